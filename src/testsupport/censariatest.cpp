#include "censariatest.h"

#include "archive/archive.h"
#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "screenkit/navigation.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace censaria {

TestProgram::TestProgram(const QString &programFolder, const QString &accountFolder)
{
    folder_ = programFolder.isEmpty() ? makeProgramFolder(temp_.path()) : programFolder;
    // The account's own settings (Module::accountSettingsFile) go with the program folder,
    // as one account's: a later run on the same folder finds them, another test never does.
    qputenv("XDG_CONFIG_HOME", QDir(folder_).filePath(QStringLiteral("account-config")).toLocal8Bit());
    const QString drive = temp_.filePath(QStringLiteral("driveA"));
    QDir().mkpath(drive);
    fake_.driveA.roots = {drive};
    const QString account = !accountFolder.isEmpty()  ? accountFolder
                            : programFolder.isEmpty() ? temp_.filePath(QStringLiteral("account"))
                                                      : QDir::cleanPath(programFolder) + QStringLiteral("-account");
    // Its cache (the pictures kept drawn) with its data, never beside the program.
    qputenv("XDG_CACHE_HOME", QDir(account).filePath(QStringLiteral("cache")).toLocal8Bit());
    program_ = std::make_unique<Program>(fake_.services(), folder_, account);
}

TestProgram::~TestProgram() = default;

bool TestProgram::start()
{
    return program_->start();
}

void TestProgram::launch()
{
    program_->launch();
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

void TestProgram::click(const QString &formName, const QString &controlName)
{
    QWidget *widget = control(formName, controlName);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->click();
    else if (auto *label = qobject_cast<ClickLabel *>(widget))
        label->click();
    else
        qFatal("nothing to press called %s on %s", qPrintable(controlName), qPrintable(formName));
}

QString TestProgram::text(const QString &formName, const QString &controlName)
{
    QWidget *widget = control(formName, controlName);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    qFatal("no text called %s on %s", qPrintable(controlName), qPrintable(formName));
}

Screen *TestProgram::open(const QString &formName)
{
    Navigation &navigation = module().navigation();
    const bool shown = formName == forms::lessons         ? navigation.showLessonPage(QStringLiteral("Storia1"))
                       : formName == forms::questionnaire ? navigation.showQuestionnaire(QStringLiteral("QStoria1"))
                                                          : navigation.show(formName) != nullptr;
    QCoreApplication::processEvents();
    return shown ? screen(formName) : nullptr;
}

QString TestProgram::nameOf(const QWidget *widget)
{
    const QVariant index = widget->property("index");
    return index.isValid() ? QStringLiteral("%1[%2]").arg(widget->objectName()).arg(index.toInt()) : widget->objectName();
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

QWidget *fullScreenView(QWidget *screen)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *view : screen->findChildren<QWidget *>(QStringLiteral("figureView")))
        if (view->isVisible())
            return view;
    return nullptr;
}

} // namespace censaria
