#pragma once

#include "platform/UserFileStore.h"

namespace tp::test {

// The store of the user's files on the real file system, for tests that prepare or inspect a
// data folder the way the program reads and writes it.
struct TestStore {
    SystemFileSystem files;
    UserFileStore store{files};
    operator UserFileStore&() { return store; }
};

} // namespace tp::test
