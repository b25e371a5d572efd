#pragma once

#include <cstdint>
#include <string>

namespace vkt {

namespace db {
class Connection;
}

// The passwords of both databases, only in scrambled form (see DecodePassword).
extern const std::string VersleuteldWachtwoordWerknemers;
extern const std::string VersleuteldWachtwoordConstanten;

// Turns a stored scrambled password into the password.
std::string DecodePassword(const std::string& versleuteld);

// The lock delays of the connections come from one process-wide linear
// congruential generator that starts at 0 and is never reseeded, so every run
// gets the same delays: 40 for its first connection and 42 for its second.
class TLockDelayGenerator {
public:
    // A whole number from 0 to n - 1.
    int Random(int n);
    // The lock delay, in milliseconds, for a lock hint: -1 (or below) a random
    // 40..119, above 9 a random 150..299, otherwise hint x 20 + 50.
    int LockDelay(int lockHint);

private:
    std::uint32_t state_ = 0;
};
TLockDelayGenerator& ProcessLockDelayGenerator();

// Opens the connection on the database file with a sharing mode
// ("Share Exclusive", "Share Deny Read|Share Deny Write"). On any failure the
// connection is closed, left with a connection string that cannot open, and a
// vkt::Exception "ConnectDatabase: " + the cause is raised.
void ConnectDatabase(db::Connection& connection, const std::string& sDatabaseLocation, const std::string& password,
                     bool connectionControl, bool setLocks, int lockHint, const std::string& mode);

} // namespace vkt
