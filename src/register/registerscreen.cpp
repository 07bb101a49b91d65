#include "registerscreen.h"

#include "archive/archive.h"
#include "screenkit/forms.h"
#include "screenkit/builders.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "platform/twips.h"
#include "platform/wording.h"
#include "archivenames.h"
#include "frozencolumn.h"
#include "registerchart.h"
#include "registerdocument.h"
#include "registermodel.h"
#include "registerreader.h"
#include "registertidyup.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <functional>

namespace censaria::classregister {
namespace {

const QString title = QStringLiteral("Registro della classe");
const QString classKey = QStringLiteral("registro/classe");
const QString schoolKey = QStringLiteral("registro/scuola");
constexpr int nameColumnTwips = 2300;
constexpr int rowTwips = 300;

QRect twips(int left, int top, int width, int height)
{
    return Twips::rect(left, top, width, height);
}

QTableView *makeTable(const char *name, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QString::fromUtf8(name));
    view->setFont(Twips::font(8));
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(Twips::px(rowTwips));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette p = view->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(236, 236, 246));
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0, 0, 128));
    p.setColor(QPalette::HighlightedText, Qt::white);
    view->setPalette(p);
    return view;
}

} // namespace

RegisterScreen::RegisterScreen(Module &module)
    : Screen(module, forms::classRegister)
    , gate_(module)
    , serverLogin_(module, this)
    , outputs_(module, title)
    , model_(new RegisterModel(this))
    , filter_(new RegisterFilter(model_, this))
    , summary_(new SummaryModel(filter_, this))
{
    setWindowTitle(title);
    setBackground(palette::dark::ground);

    setColours(makeLabel(canvas(), QStringLiteral("registerTitle"), title, {0, 100, 11895, 420},
                         Twips::font(14.25, true, QStringLiteral("Arial")), Qt::AlignCenter),
               palette::dark::title, palette::dark::field);

    // A prompt to the left of each box, as wide as its text.
    const auto box = [this](const char *name, const QString &prompt, const QRect &twips) {
        const PromptedBox made = makePromptedBox(canvas(), QString::fromUtf8(name), prompt, twips, Twips::font(8.25, true),
                                                 Twips::font(8.25, true));
        setTextColour(made.prompt, palette::dark::text);
        setColours(made.box, palette::dark::text, palette::dark::field);
        return made.box;
    };
    classBox_ = box("classBox", QStringLiteral("Classe"), {240, 620, 2000, 330});
    schoolBox_ = box("schoolBox", QStringLiteral("Scuola"), {2400, 620, 3700, 330});
    filterBox_ = box("filterBox", QStringLiteral("Cerca un nome"), {6300, 620, 3600, 330});
    filterBox_->setPlaceholderText(QStringLiteral("parte del cognome o del nome"));
    QPalette hint = filterBox_->palette();
    hint.setColor(QPalette::PlaceholderText, QColor(128, 128, 192));
    filterBox_->setPalette(hint);
    filterBox_->setClearButtonEnabled(true);
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    classBox_->setText(settings.value(classKey).toString());
    schoolBox_->setText(settings.value(schoolKey).toString());
    connect(classBox_, &QLineEdit::editingFinished, this, &RegisterScreen::keepHeadingBoxes);
    connect(schoolBox_, &QLineEdit::editingFinished, this, &RegisterScreen::keepHeadingBoxes);
    connect(filterBox_, &QLineEdit::textChanged, filter_, &RegisterFilter::setNameFilter);
    // On a board no mouse hovers: the dates can stand under the results.
    datesBox_ = new QCheckBox(QStringLiteral("Mostra le date"), canvas());
    place(datesBox_, QStringLiteral("datesBox"), {10060, 620, 1700, 330}, Twips::font(8.25, true));
    setTextColour(datesBox_, palette::dark::text);
    connect(datesBox_, &QCheckBox::toggled, this, &RegisterScreen::showDates);

    sources_ = makeLabel(canvas(), QStringLiteral("sourcesLabel"), QString(), {240, 990, 11500, 400}, Twips::font(7.5));
    sources_->setWordWrap(true);
    setTextColour(sources_, palette::dark::text);

    table_ = makeTable("registerTable", canvas());
    table_->setGeometry(twips(240, 1420, 7900, 5660));
    table_->setModel(filter_);
    table_->setAlternatingRowColors(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->horizontalHeader()->setFont(Twips::font(7.5, true));
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table_->horizontalHeader()->setFixedHeight(Twips::px(520));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Scroll bars as wide as the rest scales, or they are a hair on a 4K panel.
    // Set on the bars themselves: a style sheet on the table would reach every view inside it.
    table_->verticalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar { width: %1px; }").arg(Twips::px(230)));
    table_->horizontalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar { height: %1px; }").arg(Twips::px(230)));

    totals_ = makeTable("totalsTable", canvas());
    totals_->setGeometry(twips(240, 7100, 7900, 2 * rowTwips + 40));
    totals_->setModel(summary_);
    totals_->horizontalHeader()->hide();
    totals_->setSelectionMode(QAbstractItemView::NoSelection);
    totals_->setFocusPolicy(Qt::NoFocus);
    totals_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totals_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = totals_->font();
    bold.setBold(true);
    totals_->setFont(bold);
    QPalette p = totals_->palette();
    p.setColor(QPalette::Base, QColor(220, 220, 160));
    totals_->setPalette(p);
    // As wide as the table's viewport beside its scroll bar, so that both scroll alike.
    totals_->resize(table_->width() - Twips::px(230), totals_->height());
    // The totals stay under their columns while the table scrolls sideways.
    connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, totals_->horizontalScrollBar(), &QScrollBar::setValue);
    fitColumns();
    // The names stay in view while the results scroll sideways, in the totals too.
    new FrozenColumn(table_);
    new FrozenColumn(totals_);

    chart_ = new RegisterChart(filter_, canvas());
    chart_->setObjectName(QStringLiteral("registerChart"));
    chart_->setGeometry(twips(8300, 1420, 3460, 6380));
    connect(summary_, &SummaryModel::recomputed, chart_, &RegisterChart::refresh);

    const QColor blue(0, 0, 128), green(0, 96, 0), red(128, 0, 0), purple(112, 0, 112);
    const struct
    {
        const char *name;
        QString caption;
        QRect place;
        QColor colour;
        std::function<void(RegisterScreen *)> action;
    } buttons[] = {
        {"thisComputerButton", QStringLiteral("Questo computer"), {240, 7950, 1900, 420}, blue, &RegisterScreen::showThisComputer},
        {"collectedButton", QStringLiteral("Archivi raccolti..."), {2270, 7950, 1900, 420}, blue, &RegisterScreen::chooseCollected},
        {"csvButton", QStringLiteral("Esporta per foglio di calcolo"), {4300, 7950, 2900, 420}, green, &RegisterScreen::exportCsv},
        {"printButton", QStringLiteral("Stampa il registro"), {7330, 7950, 2300, 420}, green, &RegisterScreen::printRegister},
        {"pdfButton", QStringLiteral("Salva in PDF"), {9760, 7950, 2000, 420}, green, &RegisterScreen::savePdf},
        {"joinButton", QStringLiteral("Unisci due alunni"), {240, 8480, 2100, 420}, red, &RegisterScreen::joinPupils},
        {"deleteButton", QStringLiteral("Elimina alunno"), {2424, 8480, 1900, 420}, red, &RegisterScreen::deletePupil},
        {"newYearButton", QStringLiteral("Nuovo anno scolastico"), {4408, 8480, 2600, 420}, red, &RegisterScreen::startNewYear},
        {"backButton", QStringLiteral("Torno"), {7092, 8480, 1500, 420}, purple, &RegisterScreen::goBackToResults},
        {"menuButton", QStringLiteral("Menù"), {8676, 8480, 1500, 420}, purple, &RegisterScreen::goToMenu},
        {"exitButton", QStringLiteral("Esco"), {10260, 8480, 1500, 420}, purple, &RegisterScreen::exitProgram},
    };
    for (const auto &b : buttons) {
        ButtonLook look = filledLook(b.colour, 8.25, QColor(96, 96, 96));
        look.pointer = false;
        makeButton(canvas(), QString::fromUtf8(b.name), b.caption, b.place, look, this, [this, action = b.action] { action(this); });
    }

    setKeyboardOrder(controls({"classBox", "schoolBox", "filterBox", "datesBox", "registerTable", "chartTopic", "thisComputerButton",
                               "collectedButton", "csvButton", "printButton", "pdfButton", "joinButton", "deleteButton", "newYearButton",
                               "backButton", "menuButton", "exitButton"}),
                     filterBox_);
}

RegisterScreen::~RegisterScreen() = default;

QString RegisterScreen::settingsFile() const
{
    return module().settingsFile(QStringLiteral("registro.ini"));
}

void RegisterScreen::fitColumns()
{
    const QFontMetrics header(table_->horizontalHeader()->font());
    // Room for the sort arrow beside the heading too.
    const int padding = Twips::px(150) + header.height();
    table_->setColumnWidth(0, Twips::px(nameColumnTwips));
    totals_->setColumnWidth(0, Twips::px(nameColumnTwips));
    for (int column = 1; column < model_->columnCount(); ++column) {
        int width = std::max(header.horizontalAdvance(QStringLiteral("10,0 ") + RegisterModel::belowSixSign),
                             model_->showsDates() ? QFontMetrics(table_->font()).horizontalAdvance(QStringLiteral("00/00/00")) : 0);
        for (const QString &line : RegisterColumn::all()[column].heading().split(u'\n'))
            width = std::max(width, header.horizontalAdvance(line));
        table_->setColumnWidth(column, width + padding);
        totals_->setColumnWidth(column, width + padding);
    }
}

void RegisterScreen::showDates(bool shown)
{
    model_->setShowDates(shown);
    table_->verticalHeader()->setDefaultSectionSize(Twips::px(shown ? 2 * rowTwips - 60 : rowTwips));
    fitColumns();
}

void RegisterScreen::keepHeadingBoxes()
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue(classKey, classBox_->text().trimmed());
    settings.setValue(schoolKey, schoolBox_->text().trimmed());
}

void RegisterScreen::say(const QString &text, MessageIcon icon)
{
    module().message(text, icon, title);
}

bool RegisterScreen::admit()
{
    // Asked at every opening; with the archive on the server the teachers' role guards it.
    gate_.close();
    const bool admitted = serverLogin_.needed() ? serverLogin_.archive() != nullptr
                                                : gate_.admitToRegister(QStringLiteral("Password del registro:"), title);
    if (!admitted)
        return false;
    filterBox_->clear();
    return showThisComputer();
}

void RegisterScreen::showRecords(QList<PupilRecord> records, const QString &sources, bool local)
{
    table_->clearSelection();
    model_->setRecords(std::move(records));
    sourceText_ = sources;
    local_ = local;
    sources_->setText(QStringLiteral("Risultati di: %1 — %2. Il segno — indica un argomento non ancora svolto, "
                                     "%3 un voto sotto il 6; «Mostra le date» scrive sotto ogni voto quando è stato preso.")
                          .arg(sources)
                          .arg(wording::counted(model_->rowCount(), QStringLiteral("alunno"), QStringLiteral("alunni")))
                          .arg(RegisterModel::belowSixSign));
}

bool RegisterScreen::showThisComputer()
{
    Archive &archive = module().dbrisultati();
    QString problem;
    std::optional<QList<PupilRecord>> records;
    if (archive.isServer()) {
        Archive *teacher = serverLogin_.archive();
        if (!teacher)
            return false;
        records = readRecords(teacher->connection(), &problem);
    } else {
        records = readRecords(archive.connection(), &problem);
    }
    if (!records) {
        say(QStringLiteral("Non riesco a leggere l'archivio dei risultati (%1).\n\n%2").arg(archive.place(), problem), MessageIcon::Critical);
        return false;
    }
    showRecords(std::move(*records), archive.isServer() ? QStringLiteral("il server della scuola, %1").arg(archive.place()) : thisComputerName(),
                true);
    return true;
}

void RegisterScreen::chooseCollected()
{
    const QStringList files = module().platform().dialogs->openFiles(QStringLiteral("Scegli uno o più archivi raccolti (exportcensa.mdb)"),
                                                                     outputs_.startFolder(),
                                                                     QStringLiteral("Archivi raccolti (*.mdb);;Tutti i file (*)"));
    if (!files.isEmpty())
        showCollected(files);
}

bool RegisterScreen::showCollected(const QStringList &files)
{
    Progress &progress = *module().platform().progress;
    progress.start(QStringLiteral("Leggo gli archivi raccolti..."), int(files.size()));
    QString problem;
    std::optional<QList<PupilRecord>> records = readCollected(
        files, [&](int i) { return progress.advance(i); }, &problem);
    if (records)
        progress.advance(int(files.size()));
    progress.finish();
    if (!records) {
        // Nothing of the other files either: the table stays as it was.
        if (!problem.isEmpty())
            say(problem, MessageIcon::Exclamation);
        return false;
    }
    showRecords(std::move(*records), collectedArchivesNames(files, module().platform().driveA->media()), false);
    return true;
}

RegisterDocument RegisterScreen::document() const
{
    return RegisterDocument(*model_, filter_->shownRows(),
                            {classBox_->text().simplified(), schoolBox_->text().simplified(), module().platform().clock->now().date(),
                             sourceText_, chart_->figures().topic, chart_->figures().note});
}

void RegisterScreen::exportCsv()
{
    outputs_.saveCsv(document());
}

void RegisterScreen::savePdf()
{
    outputs_.savePdf(document());
}

void RegisterScreen::printRegister()
{
    outputs_.print(document());
}

QStringList RegisterScreen::selectedNames() const
{
    QStringList names;
    for (const QModelIndex &index : table_->selectionModel()->selectedRows())
        names << model_->record(filter_->mapToSource(index).row()).name;
    return names;
}

RegisterTidyUp RegisterScreen::tidyUp()
{
    // The copies go beside the real archive (perCensaria\copie without the package).
    return RegisterTidyUp(module().platform(), module().dbrisultati(), module().settingsFile(QStringLiteral("copie")), title);
}

void RegisterScreen::joinPupils()
{
    if (tidyUp().joinPupils(selectedNames(), local_))
        showThisComputer();
}

void RegisterScreen::deletePupil()
{
    if (tidyUp().deletePupil(selectedNames(), local_))
        showThisComputer();
}

void RegisterScreen::startNewYear()
{
    if (tidyUp().startNewYear(local_))
        showThisComputer();
}

void RegisterScreen::goBackToResults()
{
    if (Screen *results = module().navigation().show(forms::results); results && results != this)
        hide();
    else
        goToMenu();
}

} // namespace censaria::classregister
