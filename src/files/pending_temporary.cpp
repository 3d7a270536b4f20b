#include "files/pending_temporary.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

#include <signal.h>
#include <unistd.h>

namespace {

constexpr int SlotCount = 64;
constexpr std::size_t NameSize = 4096;

/// A slot is taken (Filling) before its name is written and handed to the
/// handler (Held) only once the name is whole; the handler takes it
/// (Removing) before it reads the name, so it never reads a name being
/// written and no writer reuses the slot it reads.
enum SlotState : int { Free, Filling, Held, Removing };

struct Slot {
  std::atomic<int> state{Free};
  char name[NameSize];
};

Slot slots[SlotCount];

constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void removePendingAndEnd(int signal) {
  for (Slot& slot : slots) {
    int held = Held;
    if (slot.state.compare_exchange_strong(held, Removing)) ::unlink(slot.name);
  }
  // The action is the default again (SA_RESETHAND), and the signal, blocked
  // while its handler runs, ends the program as the handler returns.
  ::raise(signal);
}

void installHandlers() {
  static std::once_flag installed;
  std::call_once(installed, [] {
    for (const int signal : EndingSignals) {
      struct sigaction current {};
      // A program that handles or ignores the signal itself keeps its way.
      if (::sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
          current.sa_handler != SIG_DFL)
        continue;
      struct sigaction action {};
      action.sa_handler = removePendingAndEnd;
      sigemptyset(&action.sa_mask);
      for (const int other : EndingSignals) sigaddset(&action.sa_mask, other);
      action.sa_flags = SA_RESETHAND;
      ::sigaction(signal, &action, nullptr);
    }
  });
}

}  // namespace

PendingTemporary::PendingTemporary(std::string name) : name_(std::move(name)) {
  if (name_.size() >= NameSize) return;
  installHandlers();
  for (int i = 0; i < SlotCount; ++i) {
    int free = Free;
    if (!slots[i].state.compare_exchange_strong(free, Filling)) continue;
    std::memcpy(slots[i].name, name_.c_str(), name_.size() + 1);
    slots[i].state.store(Held);
    slot_ = i;
    return;
  }
}

PendingTemporary::~PendingTemporary() {
  if (!released_) ::unlink(name_.c_str());
  forget();
}

void PendingTemporary::release() {
  released_ = true;
  forget();
}

void PendingTemporary::forget() {
  if (slot_ < 0) return;
  int held = Held;
  // A slot the handler took stays its: the program is ending.
  slots[slot_].state.compare_exchange_strong(held, Free);
  slot_ = -1;
}
