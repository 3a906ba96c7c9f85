#pragma once
// File permissions do not stop the superuser, and the suite runs as root in CI. Tests of what a
// permission refuses run, while one of these lives, as an ordinary user ("nobody"), who owns the
// folder they work in; the superuser's rights come back when it goes.

#include <QString>

namespace zorimex::test {

class AsOrdinaryUser {
public:
    /// Gives `folder` and everything below it to the ordinary user, then becomes that user. An
    /// ordinary user already is one and changes nothing.
    explicit AsOrdinaryUser(const QString& folder);
    /// Becomes the superuser again where it was one.
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

    /// Whether permissions now apply to this process; why not in error() otherwise.
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }

private:
    bool switched_ = false;
    QString error_;
};

} // namespace zorimex::test
