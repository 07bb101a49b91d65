#pragma once

#include "platform.h"

#include <QDialog>

class QListWidget;

namespace censaria {

// Where to write: the media mounted now, listed by label and size, or any folder.
class MediaChoiceDialog : public QDialog
{
public:
    MediaChoiceDialog(const QList<Medium> &media, const QString &title, QWidget *parent);

    // The root path of the medium or folder chosen; empty until one is.
    QString chosenRoot() const { return chosenRoot_; }

private:
    void takeSelectedMedium();
    void chooseFolder();

    QListWidget *list_ = nullptr;
    QString chosenRoot_;
};

} // namespace censaria
