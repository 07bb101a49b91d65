#include "mainmenu.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "platform/twips.h"
#include "platform/typescale.h"
#include "typesize.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace censaria {
namespace {

// Layout in twips on the 12000 x 9000 design page.
constexpr int columnLeft[] = {300, 3720, 7140};
constexpr int columnWidth = 3240;
constexpr int headingTop = 2980;
constexpr int buttonTop = 3600;
constexpr int buttonHeight = 640;
constexpr int buttonStep = 780;

const QColor columnColour[] = {palette::study, palette::observe, palette::operate};
const QColor disabledGrey(122, 132, 144);

} // namespace

MainMenu::MainMenu(Module &module, const QImage &cover)
    : Screen(module, forms::menu)
    , cover_(cover)
{
    setWindowTitle(QStringLiteral("MENU' DI SCELTA"));
    QPalette p = palette();
    QLinearGradient sky(0, 0, 0, 1);
    sky.setCoordinateMode(QGradient::ObjectMode);
    sky.setColorAt(0, QColor(18, 44, 78));
    sky.setColorAt(1, QColor(10, 24, 44));
    p.setBrush(QPalette::Window, sky);
    setPalette(p);
    setAutoFillBackground(cover_.isNull());
    if (cover_.isNull())
        buildControls();
    else
        canvas()->hide();
}

void MainMenu::replaceCover()
{
    if (cover_.isNull())
        return;
    buildControls();
    cover_ = QImage();
    setAutoFillBackground(true);
    canvas()->show();
    fitTextsAgain();
    // The window took no focus when it opened, as nothing on it could take one.
    if (isActiveWindow() && !focusWidget())
        focusNextPrevChild(true);
    // Now, ahead of the archive's checks that follow.
    repaint();
}

void MainMenu::paintEvent(QPaintEvent *event)
{
    if (cover_.isNull())
        Screen::paintEvent(event);
    else
        QPainter(this).drawImage(rect(), cover_);
}

void MainMenu::buildControls()
{
    picture_ = makePicture(canvas(), QStringLiteral("Image1"), {300, 240, 7440, 2520}, QStringLiteral(":/pictures/menu.svg"));

    static const char *const headings[] = {"Studiare", "Osservare", "Operare"};
    for (int column = 0; column < 3; ++column) {
        QLabel *heading = makeLabel(canvas(), QStringLiteral("Label%1").arg(column + 1), QString::fromUtf8(headings[column]),
                                    {columnLeft[column], headingTop, columnWidth, 480}, Twips::font(14, true), Qt::AlignCenter);
        heading->setStyleSheet(QStringLiteral("color: white; border-bottom: 3px solid %1;").arg(columnColour[column].lighter(130).name()));
    }

    const struct
    {
        const char *name;
        const char *caption;
        int column, row;
        void (MainMenu::*action)();
        QColor colour = {}; // the column's, unless given
    } buttons[] = {
        {"Cmdstoria", "Storia della popolazione", 0, 0, &MainMenu::openHistoryLesson},
        {"Cmdcalcoli", "I calcoli dei demografi", 0, 1, &MainMenu::openStatisticsLesson},
        {"Cmddensità", "La densità di popolazione", 0, 2, &MainMenu::openDensityLesson},
        {"Cmdpiramide", "Piramide della popolazione", 0, 3, &MainMenu::openPyramidLesson},
        {"CmdITALIA", "La popolazione italiana", 0, 4, &MainMenu::openItalyLesson},
        {"Cmddinamiche", "Dinamiche demografiche", 1, 0, &MainMenu::openSimulation},
        {"Cmdfami", "Modelli di famiglie", 1, 1, &MainMenu::openFamilies},
        {"Cmdpiram", "Piramide della popolazione", 1, 2, &MainMenu::openPyramids},
        {"WorldPyramidsButton", "Piramidi del mondo", 1, 3, &MainMenu::openWorldPyramids},
        {"PopulationFutureButton", "Il futuro della popolazione", 1, 4, &MainMenu::openPopulationFuture},
        {"Cmdesercizi1", "Esercizi sui SALDI demografici", 2, 0, &MainMenu::openBalances},
        {"cmdesdin", "Esercizi sui TASSI demografici", 2, 1, &MainMenu::openRates},
        {"cmdesfam", "Esercizi sulle famiglie", 2, 2, &MainMenu::openFamilies},
        {"Cmdquestionari", "Questionari", 2, 3, &MainMenu::openQuestionnaires},
        {"Cmdarchivio", "Archivio dei risultati", 2, 5, &MainMenu::openArchive, palette::archive},
        {"Cmdesco", "Esco", 2, 6, &MainMenu::exit, palette::exit},
    };
    for (const auto &b : buttons) {
        const QColor colour = b.colour.isValid() ? b.colour : columnColour[b.column];
        QPushButton *button = makeButton(canvas(), QString::fromUtf8(b.name), QString::fromUtf8(b.caption),
                                         {columnLeft[b.column], buttonTop + b.row * buttonStep, columnWidth, buttonHeight},
                                         filledLook(colour, 8.5, disabledGrey, 120), this, b.action);
        // Two buttons share a caption: the column they stand in tells them apart.
        accessible::describe(button, QString::fromUtf8(headings[b.column]));
    }

    namesLabel_ = makeLabel<ClickLabel>(canvas(), QStringLiteral("LabNOMI"),
                                        QStringLiteral("Elenco dei nomi presenti nell'archivio dei risultati"), {10520, buttonTop, 1440, 1800},
                                        Twips::font(8.5, true));
    namesLabel_->setWordWrap(true);
    namesLabel_->setCursor(Qt::PointingHandCursor);
    namesLabel_->setStyleSheet(QStringLiteral("color: #ffe28a; text-decoration: underline;"));
    connect(namesLabel_, &ClickLabel::clicked, this, &MainMenu::showNames);

    list_ = new QListWidget(canvas());
    list_->setObjectName(QStringLiteral("List1"));
    list_->setGeometry(Twips::rect(8040, 240, 3720, 2520));
    list_->setFont(Twips::font(10));
    list_->setWordWrap(true);
    // Wrapped rows are measured one by one: with thousands of pupils, lay them out in
    // batches so the first names show at once and the rest follow.
    list_->setLayoutMode(QListView::Batched);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setStyleSheet(QStringLiteral("QListWidget { background: #fdfaf0; color: #1a2a40; border: 2px solid #ffe28a; }"));
    list_->addItem(QStringLiteral("Clicca su questa riga per nascondere l'elenco!"));
    list_->hide();
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { listClicked(list_->row(item)); });
    // Enter on the hint row hides the list, as a click does.
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { listClicked(list_->row(item)); });

    makeLabel(canvas(), QStringLiteral("Autore"), QStringLiteral("Censaria · corso sulla popolazione per la scuola media · 2026"),
              {300, 8520, 6200, 300}, Twips::font(8))
        ->setStyleSheet(QStringLiteral("color: #9fb3cc;"));

    accessible::name(namesLabel_, namesLabel_->text(), QStringLiteral("Mostra l'elenco degli alunni che hanno risultati nell'archivio"));
    accessible::name(list_, QStringLiteral("Elenco dei nomi presenti nell'archivio"), QStringLiteral("La prima riga nasconde l'elenco"));
    accessible::name(picture_, QStringLiteral("Immagine: persone di ogni età"));
    addTypeSizeChoice();

    // Each column is read down under its heading; the names stand beside the last one.
    setKeyboardOrder(controls({"Cmdstoria", "Cmdcalcoli", "Cmddensità", "Cmdpiramide", "CmdITALIA", "Cmddinamiche", "Cmdfami", "Cmdpiram",
                               "WorldPyramidsButton", "PopulationFutureButton", "Cmdesercizi1", "cmdesdin", "cmdesfam", "Cmdquestionari",
                               "Cmdarchivio", "LabNOMI", "List1", "Cmdesco", "LabTesto"}));
}

void MainMenu::addTypeSizeChoice()
{
    typeSize_ = makeLabel<ClickLabel>(canvas(), QStringLiteral("LabTesto"), QString(), {300, 8100, 6600, 360}, Twips::font(9, true),
                                      Qt::AlignLeft | Qt::AlignVCenter);
    typeSize_->setStyleSheet(QStringLiteral("color: #ffe28a;"));
    // A click goes round the three sizes; the keys go up and down.
    connect(typeSize_, &ClickLabel::clicked, this, [this] {
        if (TypeScale::factor() == TypeScale::steps[std::size(TypeScale::steps) - 1])
            typesize::set(module(), TypeScale::steps[0]);
        else
            typesize::larger(module());
        showTypeSize();
    });
    const auto key = [this](const QKeySequence &sequence, void (*change)(Module &)) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, [this, change] {
            change(module());
            showTypeSize();
        });
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_Plus), &typesize::larger);
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), &typesize::larger);
    key(QKeySequence(Qt::CTRL | Qt::Key_Minus), &typesize::smaller);
    showTypeSize();
}

void MainMenu::showTypeSize()
{
    typeSize_->setText(QStringLiteral("Grandezza del testo: %1 — Ctrl + per ingrandire, Ctrl - per rimpicciolire").arg(typesize::percentText()));
    accessible::name(typeSize_, QStringLiteral("Grandezza del testo: %1").arg(typesize::percentText()),
                     QStringLiteral(
                         "Premi per ingrandire il testo di tutte le schermate; Ctrl + e Ctrl - lo ingrandiscono e lo rimpiccioliscono"));
}

void MainMenu::openLesson(const QString &page)
{
    module().chiamante = forms::menu;
    module().navigation().showLessonPage(page);
    hide();
}

void MainMenu::openScreen(const QString &formName)
{
    module().chiamante = forms::menu;
    module().navigation().show(formName);
    hide();
}

void MainMenu::openQuestionnaires()
{
    module().chiamante = forms::menu;
    module().ensurePupilName();
    hide();
    module().navigation().show(forms::questionnaire);
}

void MainMenu::openArchive()
{
    // The name is asked first, but the results screen opens whatever the answer.
    module().ensurePupilName();
    module().navigation().openResults(this);
}

void MainMenu::exit()
{
    module().exitProgram();
}

void MainMenu::showNames()
{
    // The list shows before the link hides, so the focus goes on to the list.
    list_->show();
    // The classroom PCs may only record on the school's server, not read its names.
    if (module().dbrisultati().isServer())
        list_->addItem(QStringLiteral("I nomi sono sul server della scuola: da qui non si vedono."));
    else
        list_->addItems(module().dbrisultati().names());
    if (focusWidget() == namesLabel_) {
        list_->setCurrentRow(0);
        list_->setFocus(Qt::OtherFocusReason);
    }
    namesLabel_->hide();
}

void MainMenu::listClicked(int row)
{
    if (row != 0)
        return;
    const bool focused = focusWidget() == list_;
    namesLabel_->show();
    list_->hide();
    list_->clear();
    list_->addItem(QStringLiteral("Clicca qui per nascondere l'elenco"));
    if (focused)
        namesLabel_->setFocus(Qt::OtherFocusReason);
}

void MainMenu::escape()
{
    // Esc leaves the names list; the menu itself is where every road starts.
    if (list_ && list_->isVisible()) // none while the cover shows
        listClicked(0);
}

} // namespace censaria
