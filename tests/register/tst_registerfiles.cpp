// What the register reads and writes: collected archives, the CSV, the PDF, the
// teacher's password and the tidy-up actions with their copies.
#include "archive/archive.h"
#include "archive/archiveproblemtext.h"
#include "register/registercsv.h"
#include "register/registerdocument.h"
#include "register/registerkeeper.h"
#include "register/registermodel.h"
#include "register/registerreader.h"
#include "register/teacherpassword.h"
#include "archive/otherprogram.h"
#include "ownfiles.h"
#include "registerfixtures.h"

#include <QDir>
#include <QPdfWriter>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <numeric>

using namespace censaria;
using namespace censaria::classregister;
using namespace censaria::registertest;
using namespace censaria::test;

namespace {

// A collected archive read as the register reads it.
std::optional<QList<PupilRecord>> readFile(const QString &path, QString *refusal = nullptr)
{
    Archive archive(path);
    const ArchiveProblem problem = archive.openReadOnly();
    if (refusal)
        *refusal = problem == ArchiveProblem::None ? QString() : archiveFileProblemText(archive, problem);
    if (problem != ArchiveProblem::None)
        return std::nullopt;
    return readRecords(archive.connection());
}

// Pages of a PDF file, counted in its bytes.
int pdfPages(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

QStringList namesIn(const QString &archivePath)
{
    Archive archive(archivePath);
    if (archive.open() != ArchiveProblem::None)
        return {QStringLiteral("(cannot open)")};
    QStringList names = archive.names();
    for (const ArchiveRow &row : archive.rows(resulttopics::exerciseTable).value_or(QList<ArchiveRow>()))
        names << QStringLiteral("esercizi:") + row[0].toString();
    return names;
}

// A register of numbered pupils with one result each; every row printed.
QList<int> fillRegister(RegisterModel &model, int count)
{
    QList<PupilRecord> records(count);
    for (int i = 0; i < count; ++i) {
        records[i].name = QStringLiteral("ALUNNO %1").arg(i, 3, 10, QLatin1Char('0'));
        records[i].topics[i % topicCount] = {true, i % 11, 1, 50, QDate(2026, 3, 1), QTime(9, 0)};
    }
    model.setRecords(records);
    QList<int> rows(count);
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

} // namespace

class TestRegisterFiles : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(temp_->isValid()); }
    void cleanup() { temp_.reset(new QTemporaryDir); }

    void collectedArchiveMergesItsRows()
    {
        // Two computers exported the same pupil: one row each, merged per topic.
        const QString path = temp_->filePath(QStringLiteral("exportcensa.mdb"));
        QVERIFY(
            makeArchive(path,
                        {questionnaireRow(QStringLiteral("ROSSI MARIO"), {{0, 4, at(2)}, {1, 9, at(5)}}),
                         questionnaireRow(QStringLiteral("ROSSI MARIO"), {{0, 8, at(3)}}), questionnaireRow(QStringLiteral("BIANCHI ANNA"), {})},
                        {exerciseRow(QStringLiteral("VERDI LEO"), 2, 3, 1, 75, at(4))}));
        const QByteArray before = contentOf(path);
        const auto records = readFile(path);
        QVERIFY(records.has_value());
        QCOMPARE(records->size(), 3); // a pupil with exercises only has a row too
        QCOMPARE(records->at(0).topics[0].right, 8);
        QCOMPARE(records->at(0).topics[1].right, 9);
        QVERIFY(!records->at(1).topics[0].done);
        QCOMPARE(records->at(2).topics[12].percent, 75);
        QCOMPARE(records->at(2).topics[12].date, QDate(2026, 3, 4));
        QCOMPARE(contentOf(path), before); // read, never changed
    }

    void badArchiveFilesAreRefusedByName_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file") << QByteArray("text") << QStringLiteral("non è un archivio");
        QTest::newRow("empty file") << QByteArray("empty") << QStringLiteral("non è un archivio");
        QTest::newRow("old format") << QByteArray("jet") << QStringLiteral("vecchio formato");
        QTest::newRow("damaged") << QByteArray("damaged") << QStringLiteral("danneggiato");
        QTest::newRow("other columns") << QByteArray("columns") << QStringLiteral("colonne diverse");
        QTest::newRow("table missing") << QByteArray("table") << QStringLiteral("non è un archivio");
        // The table intact, one index entry lost: only the full check finds it.
        QTest::newRow("index lost an entry") << QByteArray("index") << QStringLiteral("danneggiato");
        QTest::newRow("missing") << QByteArray("missing") << QStringLiteral("non esiste");
    }
    void badArchiveFilesAreRefusedByName()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QString, reason);
        const QString path = temp_->filePath(QStringLiteral("chiavetta/exportcensa.mdb"));
        QDir().mkpath(QFileInfo(path).path());
        if (kind == "text") {
            QVERIFY(writeBytes(path, "nome;voto\nROSSI;8\n"));
        } else if (kind == "empty") {
            QVERIFY(writeBytes(path, QByteArray()));
        } else if (kind == "jet") {
            QVERIFY(writeBytes(path, QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2000, '\x11')));
        } else if (kind == "damaged") {
            QVERIFY(makeArchive(path, {questionnaireRow(QStringLiteral("ROSSI MARIO"), {{0, 4, at(2)}})}));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(100);
            file.write(QByteArray(4000, '\xA5'));
        } else if (kind == "columns") {
            QVERIFY(runSql(path, {QStringLiteral("CREATE TABLE questionari (nome TEXT, voto INTEGER)"),
                                  QStringLiteral("CREATE TABLE esercizi (nome TEXT)")}));
        } else if (kind == "table") {
            QVERIFY(runSql(path, {QStringLiteral("CREATE TABLE alunni (nome TEXT)")}));
        } else if (kind == "index") {
            QVERIFY(makeArchive(path, {questionnaireRow(QStringLiteral("ROSSI MARIO"), {{0, 4, at(2)}})}));
            QVERIFY(loseAnIndexEntry(path));
        }
        const QByteArray before = contentOf(path);
        QString refusal;
        QVERIFY(!readFile(path, &refusal).has_value());
        QVERIFY2(refusal.contains(QDir::toNativeSeparators(path)), qPrintable(refusal));
        QVERIFY2(refusal.contains(reason), qPrintable(refusal));
        if (kind != "missing") {
            QCOMPARE(contentOf(path), before);
            QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files).size(), 1); // no journal left beside it
        } else {
            QVERIFY(!QFileInfo::exists(path)); // never created
        }
    }

    void csvBytes()
    {
        RegisterModel model;
        PupilRecord rossi;
        rossi.name = QStringLiteral("ROSSI MARIO");
        rossi.topics[0] = {true, 8, 0, 0, QDate(2026, 3, 12), QTime(10, 30)};
        rossi.topics[1] = {true, 0, 0, 0, QDate(2026, 3, 1), QTime(9, 5)};
        rossi.topics[10] = {true, 7, 3, 70, QDate(2026, 4, 2), QTime(8, 0)};
        PupilRecord formula;
        formula.name = QStringLiteral("=SOMMA(A1:A9)");
        model.setRecords({rossi, formula});
        const QByteArray csv = registerCsv(model, {0, 1});
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4); // heading, two pupils, the empty rest after the last CR LF
        QVERIFY(lines[3].isEmpty());
        const QStringList heading = lines[0].split(u';');
        const QStringList cells = lines[1].split(u';');
        QCOMPARE(heading.size(), 1 + 10 * 2 + 3 * 4 + 1);
        QCOMPARE(cells.size(), heading.size());
        QCOMPARE(heading[0], QStringLiteral("Alunno"));
        QCOMPARE(cells[0], QStringLiteral("ROSSI MARIO"));
        QCOMPARE(cells[1], QStringLiteral("8"));
        QCOMPARE(cells[2], QStringLiteral("12/03/2026 10:30"));
        QCOMPARE(cells[3], QStringLiteral("0")); // a result of 0 is a 0
        QCOMPARE(cells[4], QStringLiteral("01/03/2026 09:05"));
        QCOMPARE(cells[5], QString()); // not done: empty, not "—"
        QCOMPARE(cells[6], QString());
        QCOMPARE(cells.mid(21, 4),
                 (QStringList{QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("70"), QStringLiteral("02/04/2026 08:00")}));
        QCOMPARE(cells.last(), QStringLiteral("5,0")); // (8 + 0 + 7) / 3 with a decimal comma
        QVERIFY(!csv.contains("—"));
        QCOMPARE(lines[2].split(u';').first(), QStringLiteral("'=SOMMA(A1:A9)"));
    }

    void csvCellsAreNeverFormulas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cell");
        QTest::newRow("plain") << QStringLiteral("D'ANGELO SARA") << QStringLiteral("D'ANGELO SARA");
        QTest::newRow("equals") << QStringLiteral("=1+1") << QStringLiteral("'=1+1");
        QTest::newRow("plus") << QStringLiteral("+39 333") << QStringLiteral("'+39 333");
        QTest::newRow("minus") << QStringLiteral("-2+3") << QStringLiteral("'-2+3");
        QTest::newRow("at") << QStringLiteral("@SOMMA(1)") << QStringLiteral("'@SOMMA(1)");
        QTest::newRow("semicolon") << QStringLiteral("ROSSI;MARIO") << QStringLiteral("\"ROSSI;MARIO\"");
        QTest::newRow("quotes") << QStringLiteral("ROSSI \"MARIO\"") << QStringLiteral("\"ROSSI \"\"MARIO\"\"\"");
        QTest::newRow("line feed") << QStringLiteral("ROSSI\nMARIO") << QStringLiteral("\"ROSSI\nMARIO\"");
        QTest::newRow("formula and quote") << QStringLiteral("=\"a\";1") << QStringLiteral("\"'=\"\"a\"\";1\"");
    }
    void csvCellsAreNeverFormulas()
    {
        QFETCH(QString, name);
        QFETCH(QString, cell);
        QCOMPARE(csvText(name), cell);
    }

    void filesAreWrittenWholeOrNotAtAll()
    {
        QString error;
        // A folder that is not there (a stick pulled out) and a "folder" that is a file.
        const QString gone = temp_->filePath(QStringLiteral("tolta/registro.csv"));
        QVERIFY(!writeFileAtomically(gone, "x", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(QFileInfo(gone).path()));
        QVERIFY(writeBytes(temp_->filePath(QStringLiteral("file")), "y"));
        QVERIFY(!writeFileAtomically(temp_->filePath(QStringLiteral("file/registro.csv")), "x", &error));
        // An earlier file of that name stays as it was when the new one cannot be written.
        const QString kept = temp_->filePath(QStringLiteral("registro.csv"));
        QVERIFY(writeFileAtomically(kept, "old", &error));
        QCOMPARE(QDir(temp_->path()).entryList(QDir::Files).size(), 2);

        // A register PDF cancelled half way or not writable leaves no file either.
        RegisterModel model;
        const RegisterDocument document(model, fillRegister(model, 200), {});
        const QString path = temp_->filePath(QStringLiteral("registro.pdf"));
        error = QStringLiteral("x");
        QVERIFY(!writePdf(
            document, path, [](int page, int) { return page < 3; }, &error));
        QVERIFY(error.isEmpty()); // cancelled, not failed
        QCOMPARE(QDir(temp_->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QVERIFY(!writePdf(document, temp_->filePath(QStringLiteral("tolta/registro.pdf")), {}, &error));
        QVERIFY(!error.isEmpty());
    }

    void pdfOfAHundredPupils()
    {
        RegisterModel model;
        const RegisterDocument document(model, fillRegister(model, 100),
                                        {QStringLiteral("3ª B"), QStringLiteral("Scuola media Dante"), QDate(2026, 5, 20),
                                         QStringLiteral("questo computer"), 0, QString()});
        const QString path = temp_->filePath(QStringLiteral("registro.pdf"));
        QList<int> progress;
        QString error;
        QVERIFY(writePdf(
            document, path,
            [&](int page, int) {
                progress << page;
                return true;
            },
            &error));
        const QByteArray pdf = contentOf(path);
        QVERIFY(pdf.startsWith("%PDF"));
        const int pages = pdfPages(pdf);
        // 100 pupils and two rows of averages on landscape A4 at about 33 lines a page.
        QCOMPARE(pages, 4);
        QCOMPARE(progress, (QList<int>{1, 2, 3, 4}));
        QVERIFY(pdf.contains("/MediaBox [0 0 842")); // landscape A4: 842 x 595 points

        // One pupil fits one page; none at all still prints the heading and averages.
        QPdfWriter probe(temp_->filePath(QStringLiteral("probe.pdf")));
        RegisterDocument(model, {}, {}).preparePage(probe);
        QCOMPARE(RegisterDocument(model, {0}, {}).pageCount(probe), 1);
        QCOMPARE(RegisterDocument(model, {}, {}).pageCount(probe), 1);
    }

    void passwordSetAcceptRefusePause()
    {
        const QString settings = temp_->filePath(QStringLiteral("registro.ini"));
        const QString tries = temp_->filePath(QStringLiteral("account/tentativi-password.ini"));
        TeacherPassword password(settings, tries);
        QCOMPARE(password.stored(), TeacherPassword::Stored::Nothing);
        QVERIFY(password.set(QStringLiteral("Càsa-2026")));
        QCOMPARE(password.stored(), TeacherPassword::Stored::Usable);
        const QByteArray stored = contentOf(settings);
        QVERIFY(!stored.contains("Càsa-2026") && !stored.contains("2026"));
        QVERIFY(stored.contains("iterations=100000"));

        QDateTime now(QDate(2026, 3, 12), QTime(10, 0));
        QCOMPARE(password.check(QStringLiteral("Càsa-2026"), now), TeacherPassword::Answer::Accepted);
        QCOMPARE(password.check(QStringLiteral("càsa-2026"), now), TeacherPassword::Answer::Refused);
        QCOMPARE(password.check(QString(), now), TeacherPassword::Answer::Refused);
        QCOMPARE(password.check(QStringLiteral("Casa-2026"), now), TeacherPassword::Answer::RefusedNowPaused);
        // During the pause even the right password is not looked at.
        QCOMPARE(password.check(QStringLiteral("Càsa-2026"), now.addSecs(29)), TeacherPassword::Answer::Paused);
        QCOMPARE(password.secondsToWait(now.addSecs(10)), 20);
        // The pause holds for the program started again, too.
        QCOMPARE(TeacherPassword(settings, tries).check(QStringLiteral("Càsa-2026"), now.addSecs(5)), TeacherPassword::Answer::Paused);
        QCOMPARE(password.check(QStringLiteral("Càsa-2026"), now.addSecs(30)), TeacherPassword::Answer::Accepted);

        // A right answer starts the count of wrong ones again; the count itself outlives
        // the program: two wrong tries, a restart, and the third starts the pause.
        now = now.addSecs(60);
        QCOMPARE(password.check(QStringLiteral("sbagliata"), now), TeacherPassword::Answer::Refused);
        QCOMPARE(password.check(QStringLiteral("Càsa-2026"), now), TeacherPassword::Answer::Accepted);
        QCOMPARE(password.check(QStringLiteral("sbagliata"), now), TeacherPassword::Answer::Refused);
        QCOMPARE(password.check(QStringLiteral("sbagliata"), now), TeacherPassword::Answer::Refused);
        QCOMPARE(TeacherPassword(settings, tries).check(QStringLiteral("sbagliata"), now), TeacherPassword::Answer::RefusedNowPaused);
        // The tries go to the account's own file: the password file is never written.
        QCOMPARE(contentOf(settings), stored);
        QVERIFY(QFileInfo::exists(tries));

        // Where the account's file cannot be had, the tries still count for this run.
        TeacherPassword forgetful(settings, QString());
        now = now.addSecs(60);
        for (int i = 1; i < TeacherPassword::triesBeforePause; ++i)
            QCOMPARE(forgetful.check(QStringLiteral("sbagliata"), now), TeacherPassword::Answer::Refused);
        QCOMPARE(forgetful.check(QStringLiteral("sbagliata"), now), TeacherPassword::Answer::RefusedNowPaused);

        // Two files written with the same password differ: the salt is random.
        const QString other = temp_->filePath(QStringLiteral("altro.ini"));
        TeacherPassword(other, tries).set(QStringLiteral("Càsa-2026"));
        QSettings a(settings, QSettings::IniFormat), b(other, QSettings::IniFormat);
        QVERIFY(a.value(QStringLiteral("password/salt")) != b.value(QStringLiteral("password/salt")));
    }

    // A hash quicker to compute than the minimum, or a file that is not what it should
    // be, keeps the gate shut even for the right password.
    void weakOrDamagedPasswordFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<TeacherPassword::Stored>("stored");
        QTest::newRow("99 999 iterations") << QByteArray("weak") << TeacherPassword::Stored::TooWeak;
        QTest::newRow("iterations not a number") << QByteArray("iterations") << TeacherPassword::Stored::Damaged;
        QTest::newRow("a billion iterations") << QByteArray("endless") << TeacherPassword::Stored::Damaged;
        QTest::newRow("hash cut short") << QByteArray("short") << TeacherPassword::Stored::Damaged;
        QTest::newRow("a folder in its place") << QByteArray("folder") << TeacherPassword::Stored::Unreadable;
        QTest::newRow("headings only") << QByteArray("headings") << TeacherPassword::Stored::Nothing;
    }
    void weakOrDamagedPasswordFilesAreRefused()
    {
        QFETCH(QByteArray, kind);
        QFETCH(TeacherPassword::Stored, stored);
        const QString settings = temp_->filePath(QStringLiteral("registro.ini"));
        const QString right = QStringLiteral("Càsa-2026");
        TeacherPassword password(settings, temp_->filePath(QStringLiteral("tentativi.ini")));
        if (kind == "weak") {
            QVERIFY(TeacherPassword(settings, QString(), TeacherPassword::minimumIterations - 1).set(right));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(settings));
        } else {
            QVERIFY(password.set(right));
            QSettings file(settings, QSettings::IniFormat);
            if (kind == "iterations")
                file.setValue(QStringLiteral("password/iterations"), QStringLiteral("molte"));
            else if (kind == "endless")
                file.setValue(QStringLiteral("password/iterations"), 1000000000);
            else if (kind == "short")
                file.setValue(QStringLiteral("password/pbkdf2-sha256"), QByteArray(31, 'x').toBase64());
            else if (kind == "headings")
                file.remove(QStringLiteral("password"));
            file.setValue(QStringLiteral("registro/classe"), QStringLiteral("3ª B"));
        }
        QCOMPARE(password.stored(), stored);
        const QDateTime now(QDate(2026, 3, 12), QTime(10, 0));
        QCOMPARE(password.check(right, now), TeacherPassword::Answer::Unusable);
        QCOMPARE(password.secondsToWait(now), 0); // no try was counted
    }

    void newPasswordsHaveEightCharacters()
    {
        QVERIFY(!TeacherPassword::longEnough(QStringLiteral("segreto")));
        QVERIFY(TeacherPassword::longEnough(QStringLiteral("segreto1")));
        QVERIFY(TeacherPassword::longEnough(QStringLiteral("èèèèèèèè")));
        // Characters, not the UTF-16 units a character beyond the first plane takes two of.
        QVERIFY(!TeacherPassword::longEnough(QStringLiteral("🙂🙂🙂🙂")));
        QVERIFY(!TeacherPassword::longEnough(QString()));
    }

    void joinDeleteAndNewYearCopyFirst()
    {
        const QString path = temp_->filePath(QStringLiteral("perCensaria/dbcensaria.mdb"));
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(makeArchive(path,
                            {questionnaireRow(QStringLiteral("ROSSI MARIO"), {{0, 4, at(2)}, {1, 9, at(5)}}),
                             questionnaireRow(QStringLiteral("ROSSI MARO"), {{0, 8, at(3)}, {1, 2, at(4)}, {2, 6, at(1)}}),
                             questionnaireRow(QStringLiteral("BIANCHI ANNA"), {{0, 5, at(1)}})},
                            {exerciseRow(QStringLiteral("ROSSI MARIO"), 1, 2, 3, 40, at(5)),
                             exerciseRow(QStringLiteral("ROSSI MARO"), 1, 4, 1, 80, at(6)),
                             exerciseRow(QStringLiteral("BIANCHI ANNA"), 0, 1, 1, 50, at(6))}));
        Archive archive(path);
        QCOMPARE(archive.open(), ArchiveProblem::None);
        const QString copies = temp_->filePath(QStringLiteral("perCensaria/copie"));
        RegisterKeeper keeper(
            archive, [&](const QString &to) { return archive.copyTo(to); }, copies);
        const QSqlDatabase db = archive.connection();
        const QDateTime now(QDate(2026, 6, 10), QTime(12, 0));

        QVERIFY(keeper.joinPupils(QStringLiteral("ROSSI MARIO"), QStringLiteral("ROSSI MARO"), now));
        const QString firstCopy = QDir(copies).filePath(QStringLiteral("registro-2026-06-10-120000.mdb"));
        QVERIFY(QFileInfo::exists(firstCopy));
        QVERIFY(namesIn(firstCopy).contains(QStringLiteral("ROSSI MARO")));
        auto records = readRecords(db);
        QCOMPARE(records->size(), 2);
        const PupilRecord &rossi = *std::find_if(records->begin(), records->end(),
                                                 [](const PupilRecord &r) { return r.name.startsWith(QStringLiteral("ROSSI")); });
        QCOMPARE(rossi.name, QStringLiteral("ROSSI MARIO"));
        QCOMPARE(rossi.topics[0].right, 8); // the later of 4 (day 2) and 8 (day 3)
        QCOMPARE(rossi.topics[1].right, 9); // the later of 9 (day 5) and 2 (day 4)
        QCOMPARE(rossi.topics[2].right, 6); // only the other had it
        // Both had the exercise: every value of the later one (day 6) comes along.
        QCOMPARE(rossi.topics[11].right, 4);
        QCOMPARE(rossi.topics[11].wrong, 1);
        QCOMPARE(rossi.topics[11].percent, 80);
        QCOMPARE(rossi.topics[11].date, at(6).date());
        QVERIFY(!namesIn(path).contains(QStringLiteral("ROSSI MARO")));
        QVERIFY(!namesIn(path).contains(QStringLiteral("esercizi:ROSSI MARO")));
        QVERIFY(namesIn(path).contains(QStringLiteral("esercizi:ROSSI MARIO")));

        QVERIFY(keeper.deletePupil(QStringLiteral("BIANCHI ANNA"), now.addSecs(60)));
        QVERIFY(namesIn(QDir(copies).filePath(QStringLiteral("registro-2026-06-10-120100.mdb"))).contains(QStringLiteral("BIANCHI ANNA")));
        QCOMPARE(namesIn(path), (QStringList{QStringLiteral("ROSSI MARIO"), QStringLiteral("esercizi:ROSSI MARIO")}));

        // The year of the latest result (June 2026 is school year 2025-26).
        const std::optional<QString> kept = keeper.startNewYear(now.addMonths(3));
        QCOMPARE(kept.value_or(QString()), QDir(copies).filePath(QStringLiteral("anno-2025-26.mdb")));
        QCOMPARE(namesIn(*kept), (QStringList{QStringLiteral("ROSSI MARIO"), QStringLiteral("esercizi:ROSSI MARIO")}));
        QCOMPARE(namesIn(path), QStringList());
        // The emptied archive is still a good one that the program can write to.
        QVERIFY(archive.writeResult(resulttopics::questionnaireTable, QStringLiteral("NUOVO ALUNNO"), {{2, 7}}));
        // A second new year of the same school year does not overwrite the first.
        QCOMPARE(keeper.startNewYear(QDateTime(QDate(2026, 7, 1), QTime(8, 0))).value_or(QString()),
                 QDir(copies).filePath(QStringLiteral("anno-2025-26-2.mdb")));
        QCOMPARE(schoolYear(QDate(2026, 8, 31)), QStringLiteral("2025-26"));
        QCOMPARE(schoolYear(QDate(2026, 9, 1)), QStringLiteral("2026-27"));
        QCOMPARE(schoolYear(QDate(2099, 12, 1)), QStringLiteral("2099-00"));

        // Without its copy, no action changes anything.
        QVERIFY(archive.writeResult(resulttopics::questionnaireTable, QStringLiteral("NUOVO ALUNNO"), {{2, 7}}));
        RegisterKeeper failing(
            archive, [](const QString &) { return false; }, copies);
        QVERIFY(!failing.deletePupil(QStringLiteral("NUOVO ALUNNO"), now.addMonths(4)));
        QVERIFY(!failing.startNewYear(now.addMonths(4)).has_value());
        QCOMPARE(readRecords(db)->size(), 1);
    }

private:
    std::unique_ptr<QTemporaryDir> temp_ = std::make_unique<QTemporaryDir>();
};

QTEST_MAIN(TestRegisterFiles)
#include "tst_registerfiles.moc"
