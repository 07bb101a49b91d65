// makearchive [--if-missing] FILE: creates an empty results archive at FILE.
// An existing file is never touched: with --if-missing that is success, otherwise an error.
#include "archive/archive.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool ifMissing = arguments.removeAll(QStringLiteral("--if-missing")) > 0;
    QTextStream err(stderr);
    if (arguments.size() != 1) {
        err << "usage: makearchive [--if-missing] FILE\n";
        return 2;
    }
    const QString file = arguments.first();
    if (QFileInfo::exists(file)) {
        if (ifMissing)
            return 0;
        err << file << " exists already; it is left as it is\n";
        return 1;
    }
    QString error;
    if (!censaria::Archive::createEmpty(file, &error)) {
        err << "cannot create " << file << ": " << error << '\n';
        return 1;
    }
    return 0;
}
