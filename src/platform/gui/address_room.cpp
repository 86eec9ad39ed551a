#include "platform/gui/address_room.h"

#include <malloc.h>
#include <sys/mman.h>

namespace halcyra {

AddressRoom::AddressRoom(size_t bytes) : bytes_(bytes), at_(MAP_FAILED) { Take(); }

bool AddressRoom::Held() const { return at_ != MAP_FAILED; }

void AddressRoom::HandBack() {
  if (Held()) munmap(at_, bytes_);
  at_ = MAP_FAILED;
}

void AddressRoom::Take() {
  if (!Held()) at_ = mmap(nullptr, bytes_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
}

bool AllocationRoomFor(size_t bytes) {
  const size_t held = mallinfo2().fordblks;
  return bytes <= held || AddressRoomFor(bytes - held);
}

}  // namespace halcyra
