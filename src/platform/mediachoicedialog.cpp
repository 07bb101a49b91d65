#include "mediachoicedialog.h"

#include "removablemedia.h"
#include "twips.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace censaria {

MediaChoiceDialog::MediaChoiceDialog(const QList<Medium> &media, const QString &title, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setMinimumWidth(Twips::px(7200)); // 480 pixels on the design page
    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(media.isEmpty() ? QStringLiteral("Non trovo nessuna chiavetta USB né scheda di memoria.\n"
                                                               "Inseriscine una e riprova, oppure scegli una cartella.")
                                              : QStringLiteral("Su quale chiavetta o scheda di memoria salvo i risultati?"),
                              this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("mediaList"));
    for (const Medium &medium : media) {
        auto *item = new QListWidgetItem(describeMedium(medium), list_);
        item->setData(Qt::UserRole, medium.rootPath);
        item->setToolTip(QDir::toNativeSeparators(medium.rootPath));
    }
    list_->setCurrentRow(0);
    // Tall enough for every medium (a few at most), without an empty well below them.
    list_->setFixedHeight(list_->sizeHintForRow(0) * int(std::max<qsizetype>(media.size(), 2)) + 2 * list_->frameWidth() + 4);
    list_->setVisible(!media.isEmpty());
    layout->addWidget(list_);

    auto *buttons = new QDialogButtonBox(this);
    auto *folder = buttons->addButton(QStringLiteral("Scegli una cartella…"), QDialogButtonBox::ActionRole);
    folder->setDefault(true);
    if (!media.isEmpty())
        buttons->addButton(QStringLiteral("Salva qui"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &MediaChoiceDialog::takeSelectedMedium);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(folder, &QPushButton::clicked, this, &MediaChoiceDialog::chooseFolder);
    connect(list_, &QListWidget::itemActivated, this, &MediaChoiceDialog::takeSelectedMedium);
}

void MediaChoiceDialog::takeSelectedMedium()
{
    if (const QListWidgetItem *item = list_->currentItem()) {
        chosenRoot_ = item->data(Qt::UserRole).toString();
        accept();
    }
}

void MediaChoiceDialog::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Scegli la cartella dove salvare i risultati"),
                                                             QDir::homePath());
    if (!folder.isEmpty()) {
        chosenRoot_ = folder;
        accept();
    }
}

} // namespace censaria
