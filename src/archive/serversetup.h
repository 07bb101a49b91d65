#pragma once

#include <QString>
#include <QStringList>

// What the school's PostgreSQL server needs beyond the tables: the one function through
// which results are recorded, and the rights of the two roles. The classroom PCs' role
// can only call that function; the teachers' role reads the results.
namespace censaria::serversetup {

struct Roles
{
    QString database;
    QString owner;     // owns the tables, and so the function that writes them
    QString classroom; // the role every classroom PC logs in as
    QString teacher;   // the teachers' role, for reading the school's results
    int connectionLimit = 60;
    QString timeZone; // the PCs' time zone, in which results are dated
};

// The record function as GRANT and has_function_privilege name it.
QString recordFunction();
// The PCs' call of it: table, pupil, position of the first count, the counts as an
// array, the date; with the position, the counts and the date null it only makes sure
// the pupil's row is there.
QString recordCall();

// The statements to run as a superuser in the archive's database. They create (or
// replace) the record function, owned by the tables' owner, and set both roles' rights
// from scratch, so they also bring up to date a server made by the previous version,
// whose classroom role could read and change the tables.
QStringList statements(const Roles &roles);

} // namespace censaria::serversetup
