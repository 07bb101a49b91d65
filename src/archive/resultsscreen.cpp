#include "resultsscreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "platform/twips.h"
#include "resultsbrowser.h"
#include "resultshover.h"

#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTableWidget>

namespace censaria {
namespace {

const QColor background(64, 64, 64);
const QColor navy(0, 0, 64);
const QColor lavender(192, 192, 255);
const QColor olive(192, 192, 0);
const QColor pink(255, 192, 255);
const QColor fixedCell(192, 192, 192);
const QColor gridBackground(128, 128, 128);
constexpr int gridRowTwips = 330;

QRect twips(int left, int top, int width, int height) { return Twips::rect(left, top, width, height); }
QFont arial(double points) { return Twips::font(points, true, QStringLiteral("Arial")); }

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

void setBackgroundColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

ResultsScreen::ResultsScreen(Module &module)
    : Screen(module, forms::results)
    , browser_(new ResultsBrowser(module))
{
    browser_->setParent(this);
    setWindowTitle(QStringLiteral("Risultati conseguiti nelle esercitazioni"));
    setBackground(background);
    setMouseTracking(true);
    canvas()->setMouseTracking(true);

    // The strip goes first so that the labels standing on it stay in front.
    auto *strip = addButtonLabel("Label5", QStringLiteral("Label5"), twips(0, 8520, 11999, 375), navy, Twips::font(8.25), nullptr);
    setBackgroundColour(strip, navy);
    strip->unsetCursor();
    strip->setFocusPolicy(Qt::NoFocus);
    connect(strip, &ClickLabel::hovered, this, [this] { applyColours(resultshover::overStrip); });

    labNome_ = addLabel("LabNOME", QString(), twips(0, 100, 11895, 375), olive, arial(14.25));
    labNome_->setAlignment(Qt::AlignCenter);
    setBackgroundColour(labNome_, navy);

    addLabel("Label1", QStringLiteral("Questionari"), twips(240, 495, 1095, 255), lavender, Twips::font(8.25, true));
    grid1_ = addGrid("Grid1", twips(240, 720, 7215, 3705), {3000, 700, 1800});
    accessible::name(grid1_, QStringLiteral("Risultati dei questionari"));
    addLabel("Label4", QStringLiteral("Esercizi"), twips(240, 4455, 735, 255), lavender, Twips::font(8.25, true));
    grid3_ = addGrid("Grid3", twips(240, 4680, 7215, 3705), {3000, 700, 700, 700, 1700});
    accessible::name(grid3_, QStringLiteral("Risultati degli esercizi"));

    auto *refresh = new QPushButton(QStringLiteral("AGGIORNA I RISULTATI"), canvas());
    refresh->setObjectName(QStringLiteral("CMDAGGIORNA"));
    refresh->setGeometry(twips(9600, 480, 2055, 495));
    refresh->hide();
    connect(refresh, &QPushButton::clicked, browser_, &ResultsBrowser::aggiorna);

    auto *frame = new QFrame(canvas());
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(twips(9300, 720, 2415, 4815));
    frame->setFrameShape(QFrame::Box);
    // A frame only: the mouse over it is over the background.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextColour(frame, lavender);

    addLabel("Label2", QStringLiteral("Cerca i RISULTATI di..."), twips(9360, 960, 2295, 375), lavender, Twips::font(8.25, true));
    addLabel("Label9", QStringLiteral("Qui sotto scrivi il COGNOME"), twips(9240, 1680, 2535, 495), lavender, Twips::font(8.25));
    text2_ = addSearchField("Text2", twips(9480, 2040, 2055, 375));
    accessible::name(text2_, QStringLiteral("Cognome da cercare"));
    addLabel("Label8", QStringLiteral(" e qui il NOME"), twips(9360, 3240, 2295, 255), lavender, Twips::font(8.25));
    text1_ = addSearchField("Text1", twips(9480, 3600, 2055, 375));
    accessible::name(text1_, QStringLiteral("Nome da cercare"));
    connect(text2_, &QLineEdit::returnPressed, this, &ResultsScreen::search);
    connect(text1_, &QLineEdit::returnPressed, this, &ResultsScreen::search);

    auto *cerca = addButtonLabel("LabCERCA", QStringLiteral("       OK,         ho fatto."), twips(9480, 4560, 2055, 735), lavender,
                                 arial(14.25), &ResultsScreen::search);
    cerca->setWordWrap(true);
    cerca->setIndent(Twips::px(90));
    setBackgroundColour(cerca, QColor(0, 0, 128));

    addBackPicture();
    auto *torna = addButtonLabel("Labtorna", QStringLiteral("TORNA"), twips(9480, 6000, 2055, 1455), pink, arial(12), &ResultsScreen::goBack);
    torna->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    addButtonLabel("Labmenù", QStringLiteral("Menù"), twips(9480, 7920, 2175, 495), QColor(255, 128, 255), arial(12), &ResultsScreen::goToMenu);

    auto *aiuto = addButtonLabel("Labaiuto", QStringLiteral("?"), twips(240, 8520, 375, 375), palette().color(QPalette::WindowText),
                                 Twips::font(13.5, true), nullptr);
    aiuto->setAlignment(Qt::AlignCenter);
    setBackgroundColour(aiuto, olive);
    connect(aiuto, &ClickLabel::clicked, browser_, &ResultsBrowser::aiuto);
    auto *export_ = addButtonLabel("LabEXPORT", QStringLiteral("ESPORTA i risultati su floppy"), twips(720, 8555, 2895, 375), olive,
                                   arial(9.75), nullptr);
    connect(export_, &ClickLabel::clicked, browser_, &ResultsBrowser::esporta);
    auto *stampa = addButtonLabel("LabSTAMPA", QStringLiteral("STAMPA i risultati"), twips(4800, 8555, 2295, 375), olive, arial(9.75), nullptr);
    connect(stampa, &ClickLabel::clicked, browser_, &ResultsBrowser::stampa);
    // The class register sits in the strip's free stretch between the print and the exit.
    auto *registro = addButtonLabel("LabREGISTRO", QStringLiteral("Registro della classe"), twips(7300, 8555, 2300, 375), olive,
                                    arial(9.75), nullptr);
    registro->setToolTip(QStringLiteral("Tutti gli alunni in una tabella, per l'insegnante (chiede la password)"));
    connect(registro, &ClickLabel::clicked, this, [this] { this->module().navigation().openGuarded(this, forms::classRegister); });
    connect(registro, &ClickLabel::hovered, this, [registro] { setTextColour(registro, resultshover::underMouse); });
    // Ends with the page rather than 45 twips below it, where it would be cut.
    addButtonLabel("Labesci", QStringLiteral("Esco"), twips(9720, 8550, 1695, 450), pink, arial(9.75), &ResultsScreen::exitProgram);

    for (const auto &[name, colour] : resultshover::overBackground) {
        auto *label = findChild<ClickLabel *>(name);
        connect(label, &ClickLabel::hovered, this, [label] { setTextColour(label, resultshover::underMouse); });
    }
    connect(browser_, &ResultsBrowser::changed, this, &ResultsScreen::showState);
    showState();

    // The search down the right-hand column, then the strip along the bottom.
    setKeyboardOrder(controls({"Text2", "Text1", "LabCERCA", "Labtorna", "Labmenù", "Labaiuto", "LabEXPORT", "LabSTAMPA", "LabREGISTRO", "Labesci"}),
                     text2_);
}

QLabel *ResultsScreen::addLabel(const char *name, const QString &text, const QRect &rect, const QColor &colour, const QFont &font)
{
    auto *label = new QLabel(text, canvas());
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, colour);
    return label;
}

ClickLabel *ResultsScreen::addButtonLabel(const char *name, const QString &text, const QRect &rect, const QColor &colour,
                                          const QFont &font, void (ResultsScreen::*action)())
{
    auto *label = new ClickLabel(text, canvas());
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, colour);
    if (action)
        connect(label, &ClickLabel::clicked, this, action);
    return label;
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

QLineEdit *ResultsScreen::addSearchField(const char *name, const QRect &rect)
{
    auto *field = new QLineEdit(canvas());
    field->setObjectName(QString::fromUtf8(name));
    field->setGeometry(rect);
    field->setFont(Twips::font(9.75, true));
    setTextColour(field, lavender);
    setBackgroundColour(field, navy);
    return field;
}

void ResultsScreen::addBackPicture()
{
    auto *picture = new QLabel(canvas());
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setGeometry(twips(9480, 6000, 2055, 1500));
    QPixmap pixmap(picture->size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/pictures/results-back.svg")).render(&painter, QRectF(pixmap.rect()));
    painter.end();
    picture->setPixmap(pixmap);
}

void ResultsScreen::search()
{
    if (browser_->cerca(text2_->text(), text1_->text())) {
        text1_->clear();
        text2_->clear();
    }
}

void ResultsScreen::showState()
{
    labNome_->setText(browser_->shownName());
    paintGrid(grid1_, browser_->questionnaireGrid());
    paintGrid(grid3_, browser_->exerciseGrid());
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
    setTextColour(findChild<QWidget *>(QStringLiteral("LabREGISTRO")), olive);
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
