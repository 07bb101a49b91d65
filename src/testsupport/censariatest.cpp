#include "censariatest.h"

#include "archive/archive.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace censaria {

TestProgram::TestProgram(const QString &programFolder)
{
    folder_ = programFolder.isEmpty() ? makeProgramFolder(temp_.path()) : programFolder;
    const QString drive = temp_.filePath(QStringLiteral("driveA"));
    QDir().mkpath(drive);
    fake_.driveA.roots = {drive};
    program_ = std::make_unique<Program>(fake_.services(), folder_);
}

TestProgram::~TestProgram() = default;

bool TestProgram::start()
{
    return program_->start();
}

QString TestProgram::archivePath() const
{
    return program_->module().dbrisultati().fileName();
}

Screen *TestProgram::screen(const QString &formName)
{
    return module().screens().get(formName);
}

QStringList TestProgram::visibleScreens()
{
    QStringList names;
    for (const Screen *s : module().screens().created())
        if (s->isVisible())
            names.append(s->formName());
    return names;
}

QString TestProgram::makeProgramFolder(const QString &parent)
{
    const QString data = QDir(parent).filePath(QStringLiteral("perCensaria"));
    QDir().mkpath(data);
    QDirIterator it(QStringLiteral(CENSARIA_SOURCE_DATA), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(data).filePath(QDir(QStringLiteral(CENSARIA_SOURCE_DATA)).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
    Archive::createEmpty(QDir(data).filePath(QStringLiteral("dbcensaria.mdb")));
    Archive::createEmpty(QDir(data).filePath(QStringLiteral("exportcensa.mdb")));
    return parent;
}

} // namespace censaria
