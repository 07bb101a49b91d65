#include "pyramidsscreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/figureview.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "platform/numbers.h"
#include "platform/twips.h"
#include "pyramidfigure.h"
#include "pyramidwidgets.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace censaria {
namespace {

// Layout in twips.
const QRect pictureBox(1080, 720, 7335, 3855);
constexpr int ageColumnWidth = 495;
constexpr int ageColumnHeight = 3570;
constexpr int ageColumnTop = 30;
constexpr int rateRowHeight = 225;

const QColor screenColour(226, 232, 236);
const QColor lightCyan(192, 255, 255);
const QColor figureGround(0, 102, 102);
const QColor figureBlue(0, 0, 255);
const QColor sourceGrey(70, 70, 70);

const ButtonLook buttonLook{
    QStringLiteral("QPushButton { background: #f7f9fa; color: #12303a; border: 1px solid #5f7d87; border-radius: 4px; padding: 2px; }"
                   "QPushButton:hover { background: #e0f4f4; }"
                   "QPushButton:pressed { background: #c4e6e6; }"
                   "QPushButton:disabled { background: #d5dadd; color: #8b969b; border-color: #a9b3b8; }")};

} // namespace

PyramidsScreen::PyramidsScreen(Module &module)
    : Screen(module, forms::pyramids)
{
    setWindowTitle(QStringLiteral("La piramide della popolazione"));
    setBackground(screenColour);
    buildPicture();
    buildRateBoxes();
    buildModelChoice();
    buildFigures();
    buildNavigation();

    loadCountry(PyramidModel::Country::Italy);
    inizio();

    // The birth rates on the left, then the death rates on the right, each column downwards.
    QList<QWidget *> order;
    for (QLineEdit *box : birthRates_ + deathRates_)
        order << box;
    order << controls({"CmdITALIA", "cmdUSA", "cmdalgeria", "cmdinizio", "CmdNUOVO", "Cmdtorno", "Cmdmenù", "Cmdesco"});
    setKeyboardOrder(order);
}

void PyramidsScreen::buildPicture()
{
    picture_ = new PyramidPicture(canvas());
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setGeometry(Twips::rect(pictureBox.x(), pictureBox.y(), pictureBox.width(), pictureBox.height()));

    QStringList ages;
    for (int ageClass = PyramidModel::classCount; ageClass >= 1; --ageClass)
        ages.append(PyramidModel::classLabel(ageClass).replace(u'-', QStringLiteral(" -")));
    ageColumn_ = new StackedLabel(ages.join(u'\n'), picture_);
    ageColumn_->setObjectName(QStringLiteral("Label1"));
    ageColumn_->setAlignment(Qt::AlignHCenter);
    ageColumn_->setFont(Twips::font(7, true));
    setTextColour(ageColumn_, Qt::black);
    ageColumn_->resize(Twips::size(ageColumnWidth, ageColumnHeight));
    QList<double> centres;
    for (int bar = PyramidPicture::barCount - 1; bar >= 0; --bar)
        centres.append((PyramidPicture::barTop(bar) + PyramidPicture::barHeight / 2.0 - ageColumnTop) * Twips::scale());
    ageColumn_->setLineCentres(centres);
    offerFullScreen(
        picture_, [this] { return pyramidTitle(model_); },
        [this](QPainter &painter, const QRectF &area) { paintPyramid(painter, area, model_); });
}

void PyramidsScreen::buildRateBoxes()
{
    makeLabel(canvas(), QStringLiteral("Label8"),
              QStringLiteral("Qui sotto, a sinistra, puoi modificare il tasso di natalità alle varie età (x1000)"), {120, 60, 3540, 600},
              Twips::font(8, true))
        ->setWordWrap(true);
    makeLabel(canvas(), QStringLiteral("Label9"),
              QStringLiteral("Qui sotto, a destra, puoi modificare il tasso di mortalità alle varie età (x1000)"), {7920, 60, 3960, 480},
              Twips::font(8, true))
        ->setWordWrap(true);

    auto addRateRow = [this](const QString &labelName, const QString &boxName, int index, int ageClass, int left, int boxLeft, int boxWidth,
                             int top) {
        makeLabel(canvas(), labelName, PyramidModel::classLabel(ageClass), {left, top, 465, rateRowHeight}, Twips::font(7.5))
            ->setProperty("index", index);
        QLineEdit *box = makeBox(canvas(), boxName, {boxLeft, top, boxWidth, rateRowHeight}, Twips::font(8));
        box->setProperty("index", index);
        box->setAlignment(Qt::AlignRight);
        box->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #4a5a60; padding: 0; }"));
        setColours(box, Qt::black, PyramidPicture::barColour(ageClass - 1));
        // The box's colour is its bar's; the words say which class it is.
        accessible::name(box,
                         QStringLiteral("%1, età %2")
                             .arg(boxName == QLatin1String("Text6") ? QStringLiteral("Tasso di natalità") : QStringLiteral("Tasso di mortalità"),
                                  PyramidModel::classLabel(ageClass)),
                         QStringLiteral("per mille persone della classe, ogni 5 anni"));
        return box;
    };
    for (int j = 0; j < PyramidModel::birthRateCount; ++j)
        birthRates_.append(addRateRow(QStringLiteral("Label6"), QStringLiteral("Text6"), j, 9 - j, 120, 600, 375, 2280 + 240 * j));
    for (int k = 0; k < PyramidModel::deathRateCount; ++k)
        deathRates_.append(addRateRow(QStringLiteral("Label7"), QStringLiteral("Text7"), k, 17 - k, 8520, 9000, 495, 600 + 240 * k));
    addFrame(QStringLiteral("Shape2"), {60, 2220, 1000, 1545});
    addFrame(QStringLiteral("Shape3"), {8460, 540, 1100, 4185});
}

void PyramidsScreen::buildModelChoice()
{
    modelName_ = makeLabel(canvas(), QStringLiteral("labmodello"), QStringLiteral("ITALIA"), {3720, 120, 2055, 480}, Twips::font(14, true),
                           Qt::AlignCenter);
    setColours(modelName_, lightCyan, PyramidPicture::background);

    makeLabel(canvas(), QStringLiteral("Label10"), QStringLiteral("  Scegli il modello:"), {780, 4725, 2280, 330}, Twips::font(9.5, true));
    const struct
    {
        PyramidModel::Country country;
        const char *name;
        const char *caption;
        int left;
    } countries[] = {
        {PyramidModel::Country::Italy, "CmdITALIA", "Italia", 3120},
        {PyramidModel::Country::Usa, "cmdUSA", "USA", 4920},
        {PyramidModel::Country::Algeria, "cmdalgeria", "Algeria", 6600},
    };
    for (const auto &c : countries)
        countryButtons_.append(
            {c.country, makeButton(canvas(), QString::fromUtf8(c.name), QString::fromUtf8(c.caption), {c.left, 4680, 1455, 375}, buttonLook,
                                   this, [this, country = c.country] { loadCountry(country); })});

    makeButton(canvas(), QStringLiteral("cmdinizio"), QStringLiteral("Torno alla situazione iniziale"), {120, 5160, 4215, 420}, buttonLook, this,
               &PyramidsScreen::backToStart);
    makeButton(canvas(), QStringLiteral("CmdNUOVO"), QStringLiteral("Calcola la situazione dopo 5 anni"), {4440, 5160, 5055, 420}, buttonLook,
               this, &PyramidsScreen::calculateNextStep);
}

void PyramidsScreen::buildFigures()
{
    makeLabel(canvas(), QStringLiteral("Label4"), QStringLiteral("Popolazione dopo          anni:"), {4440, 5640, 3420, 330},
              Twips::font(10, true));
    years_ = makeLabel(canvas(), QStringLiteral("Labanni"), QStringLiteral("0"), {6600, 5640, 495, 330}, Twips::font(10, true), Qt::AlignCenter);
    setTextColour(years_, figureBlue);
    total_ = makeLabel(canvas(), QStringLiteral("Labtotpop"), QString(), {7920, 5640, 1575, 330}, Twips::font(10, true));
    setTextColour(total_, figureBlue);

    // Each share whole, to one decimal ("67,1 %"), in a column left of the rates' frame.
    constexpr int shareLeft = 6780;
    constexpr int shareWidth = 960;
    auto addShare = [this](const QString &captionName, const QString &caption, const QString &valueName, int top) {
        makeLabel(canvas(), captionName, caption, {2400, top, shareLeft - 2460, 330}, Twips::font(10), Qt::AlignRight | Qt::AlignVCenter);
        QLabel *value = makeLabel(canvas(), valueName, QString(), {shareLeft, top, shareWidth, 330}, Twips::font(10, true),
                                  Qt::AlignRight | Qt::AlignVCenter);
        setTextColour(value, figureBlue);
        accessible::describe(value, accessible::fromCaption(caption));
        return value;
    };
    youngShare_ = addShare(QStringLiteral("Label3"), QStringLiteral("% di popolazione tra 0 e 14 anni:"), QStringLiteral("Label2"), 6000);
    adultShare_ = addShare(QStringLiteral("Label15"), QStringLiteral("% di popolazione tra 15 e 64 anni:"), QStringLiteral("Label5"), 6600);
    oldShare_ = addShare(QStringLiteral("Label16"), QStringLiteral("% di popolazione oltre i 65 anni: "), QStringLiteral("Label11"), 7200);
    addFrame(QStringLiteral("Shape4"), {2340, 5580, 7215, 1995});
    source_ = makeLabel(canvas(), QStringLiteral("LabFonte"), QString(), {2400, 7650, 7155, 300}, Twips::font(8),
                        Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(source_, sourceGrey);

    makeLabel<StackedLabel>(canvas(), QStringLiteral("Label12"), QStringLiteral(" Natalità %      Mortalità %"), {7860, 6000, 1100, 660},
                            Twips::font(8, true), Qt::AlignRight)
        ->setLineCentres({Twips::scale() * 150, Twips::scale() * 510});
    natality_ = makeResultLabel(canvas(), QStringLiteral("Label13"), {9000, 6000, 495, 300}, 10, Qt::AlignCenter);
    mortality_ = makeResultLabel(canvas(), QStringLiteral("Label14"), {9000, 6360, 495, 300}, 10, Qt::AlignCenter);
    for (QLabel *figure : {natality_, mortality_}) {
        // The pale figures need a deeper teal than the picture's to be read (4.5:1).
        setColours(figure, lightCyan, figureGround);
    }
    addFrame(QStringLiteral("Shape5"), {7835, 5940, 1720, 780});
    accessible::describe(years_, QStringLiteral("Anni simulati"));
    accessible::describe(total_, QStringLiteral("Popolazione"));
    accessible::describe(natality_, QStringLiteral("Natalità %"));
    accessible::describe(mortality_, QStringLiteral("Mortalità %"));
}

void PyramidsScreen::buildNavigation()
{
    makeButton(canvas(), QStringLiteral("Cmdtorno"), QStringLiteral("Torno"), {7080, 8100, 1440, 480}, buttonLook, this,
               &PyramidsScreen::goBack);
    makeButton(canvas(), QStringLiteral("Cmdmenù"), QStringLiteral("Menù"), {8760, 8100, 1440, 480}, buttonLook, this,
               &PyramidsScreen::goToMenu);
    makeButton(canvas(), QStringLiteral("Cmdesco"), QStringLiteral("Esco"), {10440, 8100, 1440, 480}, buttonLook, this,
               &PyramidsScreen::exitProgram);
}

// A rounded border behind a group of controls.
void PyramidsScreen::addFrame(const QString &name, const QRect &twips)
{
    makeFrame(canvas(), name, twips, QStringLiteral("QFrame { border: 2px solid #6f9ba3; border-radius: 6px; }"))->lower();
}

void PyramidsScreen::loadCountry(PyramidModel::Country country)
{
    model_.load(country);
    modelName_->setText(model_.countryName());
    source_->setText(model_.sourceText());
    for (const auto &[buttonCountry, button] : countryButtons_)
        button->setEnabled(buttonCountry != country);
    const QStringList births = model_.birthRateTexts();
    for (int j = 0; j < birthRates_.size(); ++j)
        birthRates_[j]->setText(births.at(j));
    const QStringList deaths = model_.deathRateTexts();
    for (int k = 0; k < deathRates_.size(); ++k)
        deathRates_[k]->setText(deaths.at(k));
    calcolapop();
    mortality_->setText(model_.mortalityText());
    grandiclassi();
    inizio();
}

void PyramidsScreen::inizio()
{
    model_.inizio();
    drawBars();
    ageColumn_->move((picture_->width() - ageColumn_->width()) / 2, Twips::px(ageColumnTop));
    years_->setText(model_.yearsText());
}

void PyramidsScreen::calcolapop()
{
    model_.calcolapop();
    total_->setText(model_.totalText());
}

void PyramidsScreen::grandiclassi()
{
    youngShare_->setText(model_.youngShareText());
    adultShare_->setText(model_.adultShareText());
    oldShare_->setText(model_.oldShareText());
    natality_->setText(model_.natalityText());
}

void PyramidsScreen::calculateNextStep()
{
    switch (model_.step(ratesTyped(birthRates_), ratesTyped(deathRates_))) {
    case PyramidModel::StepOutcome::Done: break;
    case PyramidModel::StepOutcome::YearLimit:
        module().message(QStringLiteral("Sono passati %1 anni: la simulazione non può andare oltre.\n"
                                        "Premi \"Torno alla situazione iniziale\" per ricominciare.")
                             .arg(model_.yearsText()),
                         MessageIcon::Exclamation);
        return;
    case PyramidModel::StepOutcome::TooLarge:
        module().message(QStringLiteral("Con questi tassi la popolazione supererebbe i 2147483647 abitanti: "
                                        "è troppo grande per essere calcolata.\n"
                                        "Controlla i tassi di natalità e prova di nuovo."),
                         MessageIcon::Exclamation);
        return;
    }
    years_->setText(model_.yearsText());
    calcolapop();
    grandiclassi();
    mortality_->setText(model_.mortalityText());
    drawBars();
}

void PyramidsScreen::backToStart()
{
    loadCountry(model_.country());
}

void PyramidsScreen::drawBars()
{
    QList<double> widths;
    for (int ageClass = 1; ageClass <= PyramidModel::classCount; ++ageClass)
        widths.append(model_.barWidth(ageClass));
    picture_->setBarWidths(widths);
    describePyramid();
}

// What the bars show, in words: the model, the years, the shares and every class.
void PyramidsScreen::describePyramid()
{
    QStringList classes;
    for (int ageClass = PyramidModel::classCount; ageClass >= 1; --ageClass)
        classes << QStringLiteral("%1 anni: %2").arg(PyramidModel::classLabel(ageClass), numbers::groupedText(model_.popclassi(ageClass)));
    accessible::name(picture_, QStringLiteral("Piramide della popolazione: %1 dopo %2 anni").arg(model_.countryName(), model_.yearsText()),
                     QStringLiteral("Popolazione %1 abitanti. Tra 0 e 14 anni %2, tra 15 e 64 anni %3, oltre i 65 anni %4. "
                                    "Natalità %5%, mortalità %6%. Per classi di età, dalla più anziana: %7.")
                         .arg(model_.totalText(), model_.youngShareText(), model_.adultShareText(), model_.oldShareText(), model_.natalityText(),
                              model_.mortalityText(), classes.join(QStringLiteral("; "))));
}

QStringList PyramidsScreen::ratesTyped(const QList<QLineEdit *> &boxes) const
{
    QStringList texts;
    for (const QLineEdit *box : boxes)
        texts.append(box->text());
    return texts;
}

} // namespace censaria
