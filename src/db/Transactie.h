#pragma once

namespace vkt::db {

class Connection;

// Rolls back the connection's open transaction, if it still has one: the
// engine may already have ended it after a failed statement, and a failing
// rollback must not hide the error that led here.
void HerstelTransactie(Connection& verbinding) noexcept;

// A transaction of its own when the caller has none open; inside the
// caller's transaction it commits and rolls back nothing, leaving that to
// the caller. Left without Commit, it rolls its own transaction back.
class TEigenTransactie {
public:
    explicit TEigenTransactie(Connection& verbinding);
    ~TEigenTransactie() { Rollback(); }
    TEigenTransactie(const TEigenTransactie&) = delete;
    TEigenTransactie& operator=(const TEigenTransactie&) = delete;

    void Commit();
    void Rollback() noexcept;

private:
    Connection& verbinding_;
    bool eigen_;
    bool afgerond_ = false;
};

} // namespace vkt::db
