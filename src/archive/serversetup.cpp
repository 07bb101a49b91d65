#include "serversetup.h"

#include "resultcheck.h"
#include "schema.h"

namespace censaria::serversetup {
namespace {

QString literal(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString numbers(const QList<int> &values)
{
    QStringList texts;
    for (int value : values)
        texts.append(QString::number(value));
    return texts.join(QStringLiteral(", "));
}

// One table's part of the function: where its results start and how many counts each
// holds, for the checks.
QString tableLimits(const schema::Table &table)
{
    QList<int> starts;
    const QList<QList<int>> results = resultPositions(table);
    for (const QList<int> &positions : results)
        starts.append(positions.first());
    return QStringLiteral("tavola = %1 THEN\n"
                          "        inizi := ARRAY[%2];\n"
                          "        quanti := %3;\n"
                          "    ")
        .arg(literal(table.name), numbers(starts))
        .arg(results.first().size() - 1);
}

// The same table's write, in plain SQL (no statement is put together at run time): the
// pupil's first row, made when missing; then the result's columns, chosen by where the
// result starts, set only when what is stored there is not later.
QString tableWrite(const schema::Table &table)
{
    const QString name = QStringLiteral("public.") + schema::quoted(table.name);
    QStringList assignments, dates;
    for (const QList<int> &positions : resultPositions(table)) {
        const int first = positions.first();
        for (int k = 0; k < positions.size(); ++k) {
            const QString column = schema::quoted(table.columns[positions[k]].name);
            const QString value = k + 1 < positions.size() ? QStringLiteral("conteggi[%1]").arg(k + 1) : QStringLiteral("quando");
            assignments.append(QStringLiteral("%1 = CASE primo WHEN %2 THEN %3 ELSE %1 END").arg(column).arg(first).arg(value));
        }
        dates.append(QStringLiteral("WHEN %1 THEN %2").arg(first).arg(schema::quoted(table.columns[positions.last()].name)));
    }
    return QStringLiteral("tavola = %1 THEN\n"
                          "        SELECT rowid INTO riga FROM %2 WHERE nome = alunno ORDER BY rowid LIMIT 1;\n"
                          "        IF riga IS NULL THEN\n"
                          "            INSERT INTO %2 (nome) VALUES (alunno) RETURNING rowid INTO riga;\n"
                          "        END IF;\n"
                          "        IF primo IS NOT NULL THEN\n"
                          "            UPDATE %2 SET\n                %3\n"
                          "            WHERE rowid = riga AND coalesce(CASE primo %4 END <= quando, true);\n"
                          "        END IF;\n"
                          "    ")
        .arg(literal(table.name), name, assignments.join(QStringLiteral(",\n                ")), dates.join(u' '));
}

QString functionBody(const QString &timeZone)
{
    using namespace resultlimits;
    return QStringLiteral(R"sql(CREATE OR REPLACE FUNCTION %1
RETURNS void LANGUAGE plpgsql SECURITY DEFINER
SET search_path = pg_catalog, public
SET TimeZone = %2
AS $censaria$
-- Records one result of one pupil, as the classroom PCs may: only into the result
-- columns, with counts the program can produce and a date that is not in the future,
-- never undoing a later result of the same topic.
DECLARE
    tavola constant text := lower(tabella);
    inizi integer[];
    quanti integer;
    riga bigint;
    risposte integer;
BEGIN
    IF %3ELSIF %4ELSE
        RAISE EXCEPTION 'Censaria: nessuna tabella %', tabella USING ERRCODE = 'invalid_parameter_value';
    END IF;
    IF alunno IS NULL OR btrim(alunno) = '' OR char_length(alunno) > %5 OR alunno ~ '[[:cntrl:]]' THEN
        RAISE EXCEPTION 'Censaria: nome dell''alunno non valido' USING ERRCODE = 'invalid_parameter_value';
    END IF;
    IF primo IS NULL THEN
        IF conteggi IS NOT NULL OR quando IS NOT NULL THEN
            RAISE EXCEPTION 'Censaria: un risultato senza posizione' USING ERRCODE = 'invalid_parameter_value';
        END IF;
    ELSE
        IF NOT primo = ANY (inizi) THEN
            RAISE EXCEPTION 'Censaria: la posizione % non è quella di un risultato', primo USING ERRCODE = 'invalid_parameter_value';
        END IF;
        IF conteggi IS NULL OR array_ndims(conteggi) <> 1 OR array_lower(conteggi, 1) <> 1
           OR cardinality(conteggi) <> quanti OR array_position(conteggi, NULL) IS NOT NULL THEN
            RAISE EXCEPTION 'Censaria: il risultato deve avere % numeri', quanti USING ERRCODE = 'invalid_parameter_value';
        END IF;
        IF quanti = 1 THEN
            IF conteggi[1] NOT BETWEEN 0 AND %6 THEN
                RAISE EXCEPTION 'Censaria: risposte giuste fuori misura' USING ERRCODE = 'numeric_value_out_of_range';
            END IF;
        ELSE
            IF conteggi[1] NOT BETWEEN 0 AND %7 OR conteggi[2] NOT BETWEEN 0 AND %7 OR conteggi[3] NOT BETWEEN 0 AND 100 THEN
                RAISE EXCEPTION 'Censaria: conteggi fuori misura' USING ERRCODE = 'numeric_value_out_of_range';
            END IF;
            -- The percentage right, rounded either way; 0 before any answer.
            risposte := conteggi[1] + conteggi[2];
            IF (risposte = 0 AND conteggi[3] <> 0)
               OR (risposte > 0 AND abs(conteggi[3] * risposte - 100 * conteggi[1]) >= risposte) THEN
                RAISE EXCEPTION 'Censaria: la percentuale non corrisponde' USING ERRCODE = 'numeric_value_out_of_range';
            END IF;
        END IF;
        IF quando IS NULL OR quando < timestamp %8 OR quando > localtimestamp + interval '%9 minutes' THEN
            RAISE EXCEPTION 'Censaria: data non possibile' USING ERRCODE = 'datetime_field_overflow';
        END IF;
    END IF;
    -- One pupil at a time: two PCs adding the same new pupil make one row. The first
    -- key sets Censaria's locks apart from any other program's.
    PERFORM pg_advisory_xact_lock(1667591750, hashtext(alunno));
    -- The pupil's first row, made when missing; a result sent late (from a PC's queue)
    -- never undoes a later one.
    IF %10ELSIF %11END IF;
END
$censaria$)sql")
        .arg(QStringLiteral("public.censaria_registra(tabella text, alunno text, primo integer, conteggi integer[], "
                            "quando timestamp without time zone)"),
             literal(timeZone), tableLimits(schema::questionari()), tableLimits(schema::esercizi()))
        .arg(maxNameLength)
        .arg(questionnaireMax)
        .arg(exerciseCountMax)
        .arg(literal(earliest().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))))
        .arg(clockSkewMinutes)
        .arg(tableWrite(schema::questionari()), tableWrite(schema::esercizi()));
}

} // namespace

QString recordFunction()
{
    return QStringLiteral("public.censaria_registra(text, text, integer, integer[], timestamp without time zone)");
}

QString recordCall()
{
    return QStringLiteral("SELECT public.censaria_registra(CAST(? AS text), CAST(? AS text), CAST(? AS integer), "
                          "CAST(? AS integer[]), CAST(? AS timestamp without time zone))");
}

QStringList statements(const Roles &roles)
{
    const QString database = schema::quoted(roles.database);
    const QString classroom = schema::quoted(roles.classroom);
    const QString teacher = schema::quoted(roles.teacher);
    QStringList tables;
    for (const schema::Table &table : schema::tables())
        tables.append(schema::quoted(table.name));
    const QString bothTables = tables.join(QStringLiteral(", "));
    return {
        // Nobody else comes in, nor makes objects of his own beside the tables.
        QStringLiteral("REVOKE ALL ON DATABASE %1 FROM PUBLIC").arg(database),
        QStringLiteral("REVOKE CREATE ON SCHEMA public FROM PUBLIC"),
        functionBody(roles.timeZone),
        QStringLiteral("ALTER FUNCTION %1 OWNER TO %2").arg(recordFunction(), schema::quoted(roles.owner)),
        QStringLiteral("REVOKE ALL ON FUNCTION %1 FROM PUBLIC").arg(recordFunction()),
        // The classroom PCs: the function and nothing else. Whatever an earlier version
        // granted on the tables goes.
        QStringLiteral("REVOKE ALL ON TABLE %1 FROM %2").arg(bothTables, classroom),
        QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2").arg(database, classroom),
        QStringLiteral("GRANT USAGE ON SCHEMA public TO %1").arg(classroom),
        QStringLiteral("GRANT EXECUTE ON FUNCTION %1 TO %2").arg(recordFunction(), classroom),
        QStringLiteral("ALTER ROLE %1 CONNECTION LIMIT %2").arg(classroom).arg(roles.connectionLimit),
        // All the PCs share the role, and a role sees its other sessions' statements,
        // values included: the PCs' sessions do not report theirs.
        QStringLiteral("ALTER ROLE %1 IN DATABASE %2 SET track_activities = off").arg(classroom, database),
        // The teachers read the results, move a PC's archive in through the function,
        // and may carry its notes along.
        QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2").arg(database, teacher),
        QStringLiteral("GRANT USAGE ON SCHEMA public TO %1").arg(teacher),
        QStringLiteral("GRANT SELECT, UPDATE (\"annotazioni\") ON TABLE %1 TO %2").arg(bothTables, teacher),
        QStringLiteral("GRANT EXECUTE ON FUNCTION %1 TO %2").arg(recordFunction(), teacher),
    };
}

} // namespace censaria::serversetup
