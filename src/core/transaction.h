#pragma once

namespace veluma {

class Database;

// Everything between construction and commit() happens as one unit: leaving
// the scope without commit() (an exception, an early return) rolls it back.
class Transaction {
public:
    explicit Transaction(Database& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    void commit();

private:
    Database& db_;
    bool open_ = true;
};

}  // namespace veluma
