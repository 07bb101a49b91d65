#pragma once

#include "schema.h"

#include <QString>

class QSqlDatabase;

namespace censaria {

// The few pieces of SQL that differ between the two engines an archive can live in:
// the SQLite file of one PC and the school's PostgreSQL server. Everything else in
// the archive code is the same statement for both.
class Dialect
{
public:
    enum class Engine { SQLite, PostgreSQL };
    explicit Dialect(Engine engine = Engine::SQLite)
        : engine_(engine)
    {
    }
    static Dialect of(const QSqlDatabase &db);

    Engine engine() const { return engine_; }
    // The Qt Sql driver of the engine.
    QString driver() const;
    // SQLite numbers every row in a hidden "rowid", which orders the rows as they were
    // added and finds a pupil's first row. The server gets the same as a last column of
    // its own, after every column that readers address by position.
    QString rowNumberColumn() const;
    int hiddenColumns() const { return rowNumberColumn().isEmpty() ? 0 : 1; }
    QString columnType(schema::ColumnType type) const;
    // How a column is read: dates come back as "yyyy-MM-dd HH:mm:ss" text from both.
    QString selected(const schema::Column &column) const;
    // The statement that opens a write transaction.
    QString beginWrite() const;

private:
    Engine engine_;
};

} // namespace censaria
