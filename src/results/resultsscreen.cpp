#include "resultsscreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "platform/twips.h"
#include "resultsbrowser.h"
#include "resultshover.h"

#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

namespace censaria {
namespace {

const QColor pink(255, 192, 255);
const QColor fixedCell(192, 192, 192);
const QColor gridBackground(128, 128, 128);
constexpr int gridRowTwips = 330;

QRect twips(int left, int top, int width, int height)
{
    return Twips::rect(left, top, width, height);
}
QFont arial(double points)
{
    return Twips::font(points, true, QStringLiteral("Arial"));
}

} // namespace

ResultsScreen::ResultsScreen(Module &module)
    : Screen(module, forms::results)
    , browser_(new ResultsBrowser(module, this))
{
    browser_->setParent(this);
    setWindowTitle(QStringLiteral("Risultati conseguiti nelle esercitazioni"));
    setBackground(palette::dark::ground);
    setMouseTracking(true);
    canvas()->setMouseTracking(true);

    // Captions and label-buttons hang from their top left, in their own colour.
    const auto caption = [this](const char *name, const QString &text, const QRect &twips, const QColor &colour, const QFont &font) {
        QLabel *label = makeLabel(canvas(), QString::fromUtf8(name), text, twips, font, Qt::AlignLeft | Qt::AlignTop);
        setTextColour(label, colour);
        return label;
    };
    const auto button = [this](const char *name, const QString &text, const QRect &twips, const QColor &colour, const QFont &font,
                               void (ResultsScreen::*action)()) {
        auto *label = makeLabel<ClickLabel>(canvas(), QString::fromUtf8(name), text, twips, font, Qt::AlignLeft | Qt::AlignTop);
        setTextColour(label, colour);
        if (action)
            connect(label, &ClickLabel::clicked, this, action);
        return label;
    };
    const auto searchField = [this](const char *name, const QRect &twips) {
        QLineEdit *field = makeBox(canvas(), QString::fromUtf8(name), twips, Twips::font(9.75, true));
        setColours(field, palette::dark::text, palette::dark::field);
        return field;
    };

    // The strip goes first so that the labels standing on it stay in front.
    auto *strip = button("Label5", QStringLiteral("Label5"), {0, 8520, 11999, 375}, palette::dark::field, Twips::font(8.25), nullptr);
    setBackgroundColour(strip, palette::dark::field);
    strip->unsetCursor();
    strip->setFocusPolicy(Qt::NoFocus);
    accessible::name(strip, QStringLiteral("Barra dei comandi"));
    connect(strip, &ClickLabel::hovered, this, [this] { applyColours(resultshover::overStrip); });

    nameLabel_ = caption("LabNOME", QString(), {0, 100, 11895, 375}, palette::dark::title, arial(14.25));
    nameLabel_->setAlignment(Qt::AlignCenter);
    setBackgroundColour(nameLabel_, palette::dark::field);

    caption("Label1", QStringLiteral("Questionari"), {240, 495, 1095, 255}, palette::dark::text, Twips::font(8.25, true));
    questionnaireGrid_ = addGrid("Grid1", twips(240, 720, 7215, 3705), {3000, 700, 1800});
    accessible::name(questionnaireGrid_, QStringLiteral("Risultati dei questionari"));
    caption("Label4", QStringLiteral("Esercizi"), {240, 4455, 735, 255}, palette::dark::text, Twips::font(8.25, true));
    exerciseGrid_ = addGrid("Grid3", twips(240, 4680, 7215, 3705), {3000, 700, 700, 700, 1700});
    accessible::name(exerciseGrid_, QStringLiteral("Risultati degli esercizi"));

    makeButton(canvas(), QStringLiteral("CMDAGGIORNA"), QStringLiteral("AGGIORNA I RISULTATI"), {9600, 480, 2055, 495}, {}, browser_,
               &ResultsBrowser::refresh)
        ->hide();

    QFrame *frame = makeFrame(canvas(), QStringLiteral("Shape1"), {9300, 720, 2415, 4815});
    frame->setFrameShape(QFrame::Box);
    // A frame only: the mouse over it is over the background.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextColour(frame, palette::dark::text);

    caption("Label2", QStringLiteral("Cerca i RISULTATI di..."), {9360, 960, 2295, 375}, palette::dark::text, Twips::font(8.25, true));
    caption("Label9", QStringLiteral("Qui sotto scrivi il COGNOME"), {9240, 1680, 2535, 495}, palette::dark::text, Twips::font(8.25));
    surnameBox_ = searchField("Text2", {9480, 2040, 2055, 375});
    accessible::name(surnameBox_, QStringLiteral("Cognome da cercare"));
    caption("Label8", QStringLiteral(" e qui il NOME"), {9360, 3240, 2295, 255}, palette::dark::text, Twips::font(8.25));
    firstNameBox_ = searchField("Text1", {9480, 3600, 2055, 375});
    accessible::name(firstNameBox_, QStringLiteral("Nome da cercare"));
    connect(surnameBox_, &QLineEdit::returnPressed, this, &ResultsScreen::search);
    connect(firstNameBox_, &QLineEdit::returnPressed, this, &ResultsScreen::search);

    auto *searchButton = button("LabCERCA", QStringLiteral("       OK,         ho fatto."), {9480, 4560, 2055, 735}, palette::dark::text,
                                arial(14.25), &ResultsScreen::search);
    searchButton->setWordWrap(true);
    searchButton->setIndent(Twips::px(90));
    setBackgroundColour(searchButton, QColor(0, 0, 128));

    makePicture(canvas(), QStringLiteral("Image2"), {9480, 6000, 2055, 1500}, QStringLiteral(":/pictures/results-back.svg"));
    auto *backButton = button("Labtorna", QStringLiteral("TORNA"), {9480, 6000, 2055, 1455}, pink, arial(12), &ResultsScreen::goBack);
    backButton->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    button("Labmenù", QStringLiteral("Menù"), {9480, 7920, 2175, 495}, QColor(255, 128, 255), arial(12), &ResultsScreen::goToMenu);

    auto *helpButton = button("Labaiuto", QStringLiteral("?"), {240, 8520, 375, 375}, palette().color(QPalette::WindowText),
                              Twips::font(13.5, true), nullptr);
    helpButton->setAlignment(Qt::AlignCenter);
    accessible::name(helpButton, QStringLiteral("Aiuto"), QStringLiteral("Spiega come si esportano i risultati"));
    setBackgroundColour(helpButton, palette::dark::title);
    connect(helpButton, &ClickLabel::clicked, browser_, &ResultsBrowser::showHelp);
    auto *exportButton = button("LabEXPORT", QStringLiteral("ESPORTA i risultati su floppy"), {720, 8555, 2895, 375}, palette::dark::title,
                                arial(9.75), nullptr);
    connect(exportButton, &ClickLabel::clicked, browser_, &ResultsBrowser::exportArchive);
    auto *printButton = button("LabSTAMPA", QStringLiteral("STAMPA i risultati"), {4800, 8555, 2295, 375}, palette::dark::title, arial(9.75),
                               nullptr);
    connect(printButton, &ClickLabel::clicked, browser_, &ResultsBrowser::print);
    // The class register sits in the strip's free stretch between the print and the exit.
    auto *registro = button("LabREGISTRO", QStringLiteral("Registro della classe"), {7300, 8555, 2300, 375}, palette::dark::title, arial(9.75),
                            nullptr);
    registro->setToolTip(QStringLiteral("Tutti gli alunni in una tabella, per l'insegnante (chiede la password)"));
    connect(registro, &ClickLabel::clicked, this, [this] { this->module().navigation().openGuarded(this, forms::classRegister); });
    connect(registro, &ClickLabel::hovered, this, [registro] { setTextColour(registro, resultshover::underMouse); });
    // Ends with the page rather than 45 twips below it, where it would be cut.
    button("Labesci", QStringLiteral("Esco"), {9720, 8550, 1695, 450}, pink, arial(9.75), &ResultsScreen::exitProgram);

    for (const auto &[name, colour] : resultshover::overBackground) {
        auto *label = findChild<ClickLabel *>(name);
        connect(label, &ClickLabel::hovered, this, [label] { setTextColour(label, resultshover::underMouse); });
    }
    connect(browser_, &ResultsBrowser::changed, this, &ResultsScreen::showState);
    showState();

    // The search down the right-hand column, then the strip along the bottom.
    setKeyboardOrder(controls(
                         {"Text2", "Text1", "LabCERCA", "Labtorna", "Labmenù", "Labaiuto", "LabEXPORT", "LabSTAMPA", "LabREGISTRO", "Labesci"}),
                     surnameBox_);
}

QTableWidget *ResultsScreen::addGrid(const char *name, const QRect &rect, const QList<int> &columnTwips)
{
    auto *grid = new QTableWidget(canvas());
    grid->setObjectName(QString::fromUtf8(name));
    grid->setGeometry(rect);
    grid->setFont(Twips::font(7.5));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setColumnCount(int(columnTwips.size()));
    for (int column = 0; column < columnTwips.size(); ++column)
        grid->setColumnWidth(column, Twips::px(columnTwips[column]));
    grid->verticalHeader()->setDefaultSectionSize(Twips::px(gridRowTwips));
    QPalette p = grid->palette();
    p.setColor(QPalette::Base, gridBackground);
    p.setColor(QPalette::Text, Qt::black);
    grid->setPalette(p);
    return grid;
}

void ResultsScreen::search()
{
    if (browser_->search(surnameBox_->text(), firstNameBox_->text())) {
        firstNameBox_->clear();
        surnameBox_->clear();
    }
}

void ResultsScreen::showState()
{
    nameLabel_->setText(browser_->shownName());
    paintGrid(questionnaireGrid_, browser_->questionnaireGrid());
    paintGrid(exerciseGrid_, browser_->exerciseGrid());
}

void ResultsScreen::paintGrid(QTableWidget *grid, const QList<QStringList> &texts)
{
    grid->setRowCount(int(texts.size()));
    for (int row = 0; row < texts.size(); ++row) {
        for (int column = 0; column < texts[row].size(); ++column) {
            auto *item = new QTableWidgetItem(texts[row][column]);
            // A screen reader says an empty cell is empty rather than nothing at all.
            if (texts[row][column].trimmed().isEmpty())
                item->setData(Qt::AccessibleTextRole, QStringLiteral("vuota"));
            const bool fixed = row == 0 || column == 0;
            item->setBackground(fixed ? fixedCell : QColor(Qt::white));
            item->setTextAlignment(Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignHCenter));
            if (row == 0) {
                QFont bold = grid->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            grid->setItem(row, column, item);
        }
    }
}

void ResultsScreen::applyColours(const QList<std::pair<QString, QColor>> &colours)
{
    for (const auto &[name, colour] : colours)
        setTextColour(findChild<QWidget *>(name), colour);
    // The register's label goes back to the strip's colour like its neighbours.
    setTextColour(findChild<QWidget *>(QStringLiteral("LabREGISTRO")), palette::dark::title);
}

void ResultsScreen::hideEvent(QHideEvent *event)
{
    browser_->leave();
    Screen::hideEvent(event);
}

void ResultsScreen::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a control reach the screen too; only its bare background counts.
    QWidget *under = canvas()->childAt(canvas()->mapFrom(this, event->position().toPoint()));
    if (!under)
        applyColours(resultshover::overBackground);
    Screen::mouseMoveEvent(event);
}

} // namespace censaria
