#pragma once

#include "archive.h"

#include <QString>

namespace censaria {

// The connection to the school's PostgreSQL server: its settings and password checked
// before connecting, the classroom role's one record function, a connection that broke
// made anew once at the next use. Part of Archive, whose connection and failure record
// it uses.
class ServerConnection
{
public:
    ServerConnection(Archive &archive, ArchiveSettings settings);

    bool isServer() const { return settings_.isServer(); }
    // The last use found no working connection.
    bool broken() const { return broken_; }
    const ArchiveSettings &settings() const { return settings_; }
    void setPassword(const QString &password) { password_ = password; }

    ArchiveProblem open();
    // Whether a failure leaves the connection usable; if not, the next use connects anew.
    void noteFailure(ArchiveFailure failure);
    // Runs operation, on a server after connecting again where the connection broke,
    // and once more if it broke during the operation.
    template <typename Operation>
    auto retried(Operation operation) -> decltype(operation());
    // A result through the record function, which checks it and keeps the later one.
    bool record(const QString &table, const QString &name, const QList<std::pair<int, QVariant>> &values);
    static bool createTables(const ArchiveSettings &settings, QString *error);

private:
    bool connect(const QString &database);
    bool reconnectIfBroken();
    bool mayRecord();

    Archive &archive_;
    ArchiveSettings settings_;
    QString password_;
    bool broken_ = false;
};

template <typename Operation>
auto ServerConnection::retried(Operation operation) -> decltype(operation())
{
    if (!isServer())
        return operation();
    // A connection that broke (a restarted server, a network that came back) is made
    // anew once; the operation is one transaction, so running it again is harmless.
    if (!reconnectIfBroken())
        return {};
    auto result = operation();
    if (!result && broken_ && reconnectIfBroken())
        result = operation();
    return result;
}

} // namespace censaria
