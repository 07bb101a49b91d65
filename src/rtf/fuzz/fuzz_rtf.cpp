// The RTF reader must survive any bytes: lesson files can be damaged or not RTF at all.
#include "rtf/rtfreader.h"

#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv); // fonts need a GUI application
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTextDocument document;
    censaria::RtfReader::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &document);
    (void)document.toPlainText();
    return 0;
}
