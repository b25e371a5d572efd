#include "db/Transactie.h"

#include "db/Connection.h"

namespace vkt::db {

void HerstelTransactie(Connection& verbinding) noexcept
{
    try {
        if (verbinding.InTransaction())
            verbinding.RollbackTrans();
    } catch (...) {
        // The error that led here is the one to report.
    }
}

TEigenTransactie::TEigenTransactie(Connection& verbinding)
    : verbinding_(verbinding), eigen_(!verbinding.InTransaction())
{
    if (eigen_)
        verbinding_.BeginTrans();
}

void TEigenTransactie::Commit()
{
    if (eigen_ && !afgerond_)
        verbinding_.CommitTrans();
    afgerond_ = true;
}

void TEigenTransactie::Rollback() noexcept
{
    if (eigen_ && !afgerond_)
        HerstelTransactie(verbinding_);
    afgerond_ = true;
}

} // namespace vkt::db
