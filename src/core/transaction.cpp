#include "core/transaction.h"

#include "core/database.h"

namespace veluma {

Transaction::Transaction(Database& db) : db_(db)
{
    db_.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (open_) {
        try {
            db_.execute(QStringLiteral("ROLLBACK"));
        } catch (const Error&) {
            // The engine already rolled back (for example after a full disk).
        }
    }
}

void Transaction::commit()
{
    db_.execute(QStringLiteral("COMMIT"));
    open_ = false;
}

}  // namespace veluma
