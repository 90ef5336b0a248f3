#include "sim/VirtualKeyboard.h"

#include "sim/DeviceCore.h"
#include "sim/Endpoints.h"
#include "sim/StateFile.h"

namespace hx::sim {

VirtualKeyboard::VirtualKeyboard(KeyboardMemory memory, const Clock* clock)
    : core_(std::make_shared<DeviceCore>(std::move(memory), clock)) {}

VirtualKeyboard::~VirtualKeyboard() {
    // Handles keep the core alive; without the keyboard they must fail, not wait forever.
    core_->Unplug();
}

std::unique_ptr<HidBackend> VirtualKeyboard::MakeBackend() {
    return MakeSimBackend(core_);
}

KeyboardMemory VirtualKeyboard::Memory() const {
    return core_->Memory();
}

void VirtualKeyboard::SetMemory(const KeyboardMemory& memory) {
    core_->SetMemory(memory);
}

void VirtualKeyboard::PressKey(std::size_t keyIndex) {
    core_->PressKey(keyIndex);
}

void VirtualKeyboard::SetFaults(const Faults& faults) {
    core_->SetFaults(faults);
}

void VirtualKeyboard::Unplug() {
    core_->Unplug();
}

void VirtualKeyboard::Replug() {
    core_->Replug();
}

bool VirtualKeyboard::Plugged() const {
    return core_->Plugged();
}

std::vector<Violation> VirtualKeyboard::Violations() const {
    return core_->Violations();
}

void VirtualKeyboard::ClearViolations() {
    core_->ClearViolations();
}

std::size_t VirtualKeyboard::RejectedReports() const {
    return core_->RejectedReports();
}

std::size_t VirtualKeyboard::AcksSent() const {
    return core_->AcksSent();
}

Status VirtualKeyboard::SaveState(const std::filesystem::path& file) const {
    return SaveMemory(file, core_->Memory());
}

Result<KeyboardMemory> VirtualKeyboard::LoadState(const std::filesystem::path& file) {
    return LoadMemory(file);
}

void VirtualKeyboard::PersistTo(const std::filesystem::path& file) {
    core_->SetPersistFile(file);
}

} // namespace hx::sim
