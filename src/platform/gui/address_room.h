#pragma once
// Room in the program's address space, which a memory limit (ulimit -v)
// bounds. Qt's widgets do not survive an allocation that fails while they
// are built (their code has no way to report it): a window that needs much
// memory asks for the room first, and a box said when memory has run out
// is built in room set aside for it.
#include <cstddef>

namespace halcyra {

// A stretch of address space set aside: mapped but never touched, so it
// costs no memory, only room under the limit.
class AddressRoom {
 public:
  explicit AddressRoom(size_t bytes);
  ~AddressRoom() { HandBack(); }
  AddressRoom(const AddressRoom&) = delete;
  AddressRoom& operator=(const AddressRoom&) = delete;
  bool Held() const;
  void HandBack();  // for what is built next
  void Take();      // again, when it is not held

 private:
  size_t bytes_;
  void* at_;
};

// Whether `bytes` more could be mapped now; nothing stays mapped. Nothing
// needs no room (and no mapping can be empty).
inline bool AddressRoomFor(size_t bytes) { return bytes == 0 || AddressRoom(bytes).Held(); }

// Whether `bytes` more could be had now in small allocations: from what
// malloc holds free (the rows of a list just emptied) and new room together.
bool AllocationRoomFor(size_t bytes);

}  // namespace halcyra
