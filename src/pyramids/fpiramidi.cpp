#include "fpiramidi.h"

#include "screenkit/accessibility.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "platform/twips.h"
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

const QString buttonStyle = QStringLiteral(
    "QPushButton { background: #f7f9fa; color: #12303a; border: 1px solid #5f7d87; border-radius: 4px; padding: 2px; }"
    "QPushButton:hover { background: #e0f4f4; }"
    "QPushButton:pressed { background: #c4e6e6; }"
    "QPushButton:disabled { background: #d5dadd; color: #8b969b; border-color: #a9b3b8; }");

void setColours(QWidget *widget, const QColor &text, const QColor &ground = QColor())
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    if (ground.isValid()) {
        p.setColor(QPalette::Window, ground);
        p.setColor(QPalette::Base, ground);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(p);
}

} // namespace

template <typename Label>
Label *Fpiramidi::addLabel(const QString &name, const QString &text, const QRect &twips, double points, bool bold)
{
    auto *label = new Label(text, canvas());
    label->setObjectName(name);
    label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setFont(Twips::font(points, bold));
    return label;
}

Fpiramidi::Fpiramidi(Module &module)
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

void Fpiramidi::buildPicture()
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
    setColours(ageColumn_, Qt::black);
    ageColumn_->resize(Twips::size(ageColumnWidth, ageColumnHeight));
    QList<double> centres;
    for (int bar = PyramidPicture::barCount - 1; bar >= 0; --bar)
        centres.append((PyramidPicture::barTop(bar) + PyramidPicture::barHeight / 2.0 - ageColumnTop) * Twips::scale());
    ageColumn_->setLineCentres(centres);
}

void Fpiramidi::buildRateBoxes()
{
    addLabel(QStringLiteral("Label8"),
             QStringLiteral("Qui sotto, a sinistra, puoi modificare il tasso di natalità alle varie età (x1000)"),
             QRect(120, 60, 3540, 600), 8, true)
        ->setWordWrap(true);
    addLabel(QStringLiteral("Label9"),
             QStringLiteral("Qui sotto, a destra, puoi modificare il tasso di mortalità alle varie età (x1000)"),
             QRect(7920, 60, 3960, 480), 8, true)
        ->setWordWrap(true);

    auto addRateRow = [this](const QString &labelName, const QString &boxName, int index, int ageClass, int left,
                             int boxLeft, int boxWidth, int top) {
        QLabel *label = addLabel(labelName, PyramidModel::classLabel(ageClass), QRect(left, top, 465, rateRowHeight), 7.5);
        label->setProperty("index", index);
        auto *box = new QLineEdit(canvas());
        box->setObjectName(boxName);
        box->setProperty("index", index);
        box->setGeometry(Twips::rect(boxLeft, top, boxWidth, rateRowHeight));
        box->setFont(Twips::font(8));
        box->setAlignment(Qt::AlignRight);
        box->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #4a5a60; padding: 0; }"));
        setColours(box, Qt::black, PyramidPicture::barColour(ageClass - 1));
        // The box's colour is its bar's; the words say which class it is.
        accessible::name(box, QStringLiteral("%1, età %2").arg(boxName == QLatin1String("Text6") ? QStringLiteral("Tasso di natalità")
                                                                                                  : QStringLiteral("Tasso di mortalità"),
                                                               PyramidModel::classLabel(ageClass)),
                         QStringLiteral("per mille persone della classe, ogni 5 anni"));
        return box;
    };
    for (int j = 0; j < PyramidModel::birthRateCount; ++j)
        birthRates_.append(addRateRow(QStringLiteral("Label6"), QStringLiteral("Text6"), j, 9 - j, 120, 600, 375, 2280 + 240 * j));
    for (int k = 0; k < PyramidModel::deathRateCount; ++k)
        deathRates_.append(addRateRow(QStringLiteral("Label7"), QStringLiteral("Text7"), k, 17 - k, 8520, 9000, 495, 600 + 240 * k));
    addFrame(QStringLiteral("Shape2"), QRect(60, 2220, 1000, 1545));
    addFrame(QStringLiteral("Shape3"), QRect(8460, 540, 1100, 4185));
}

void Fpiramidi::buildModelChoice()
{
    modelName_ = addLabel(QStringLiteral("labmodello"), QStringLiteral("ITALIA"), QRect(3720, 120, 2055, 480), 14, true);
    modelName_->setAlignment(Qt::AlignCenter);
    setColours(modelName_, lightCyan, PyramidPicture::background);

    addLabel(QStringLiteral("Label10"), QStringLiteral("  Scegli il modello :"), QRect(780, 4725, 2280, 330), 9.5, true);
    const std::pair<PyramidModel::Country, QPushButton *> buttons[] = {
        {PyramidModel::Country::Italy, addButton(QStringLiteral("CmdITALIA"), QStringLiteral("Italia"), QRect(3120, 4680, 1455, 375))},
        {PyramidModel::Country::Usa, addButton(QStringLiteral("cmdUSA"), QStringLiteral("USA"), QRect(4920, 4680, 1455, 375))},
        {PyramidModel::Country::Algeria, addButton(QStringLiteral("cmdalgeria"), QStringLiteral("Algeria"), QRect(6600, 4680, 1455, 375))},
    };
    for (const auto &entry : buttons) {
        countryButtons_.append(entry);
        const PyramidModel::Country country = entry.first;
        connect(entry.second, &QPushButton::clicked, this, [this, country] { loadCountry(country); });
    }

    connect(addButton(QStringLiteral("cmdinizio"), QStringLiteral("Torno alla situazione iniziale"), QRect(120, 5160, 4215, 420)),
            &QPushButton::clicked, this, &Fpiramidi::backToStart);
    connect(addButton(QStringLiteral("CmdNUOVO"), QStringLiteral("Calcola la situazione dopo 5 anni"), QRect(4440, 5160, 5055, 420)),
            &QPushButton::clicked, this, &Fpiramidi::calculateNextStep);
}

void Fpiramidi::buildFigures()
{
    addLabel(QStringLiteral("Label4"), QStringLiteral("Popolazione dopo          anni:"), QRect(4440, 5640, 3420, 330), 10, true);
    years_ = addLabel(QStringLiteral("Labanni"), QStringLiteral("0"), QRect(6600, 5640, 495, 330), 10, true);
    years_->setAlignment(Qt::AlignCenter);
    setColours(years_, figureBlue);
    total_ = addLabel(QStringLiteral("Labtotpop"), QString(), QRect(7920, 5640, 1575, 330), 10, true);
    setColours(total_, figureBlue);

    auto addShare = [this](const QString &captionName, const QString &caption, const QString &valueName, int left, int width, int top) {
        QLabel *label = addLabel(captionName, caption, QRect(2400, top, left - 2460, 330), 10);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Written in full, shown as far as the narrow label allows.
        QLabel *value = addLabel<CutLabel>(valueName, QString(), QRect(left, top, width, 330), 10, true);
        setColours(value, figureBlue);
        accessible::describe(value, accessible::fromCaption(caption));
        return value;
    };
    youngShare_ = addShare(QStringLiteral("Label3"), QStringLiteral("% di popolazione tra 0 e 14 anni:"), QStringLiteral("Label2"), 7320, 495, 6000);
    adultShare_ = addShare(QStringLiteral("Label15"), QStringLiteral("% di popolazione tra 15 e 64 anni:"), QStringLiteral("Label5"), 7440, 375, 6600);
    oldShare_ = addShare(QStringLiteral("Label16"), QStringLiteral("% di popolazione oltre i 65 anni: "), QStringLiteral("Label11"), 7320, 495, 7200);
    addFrame(QStringLiteral("Shape4"), QRect(2340, 5580, 7215, 1995));

    auto *rateHeading = addLabel<StackedLabel>(QStringLiteral("Label12"), QStringLiteral(" Natalità %      Mortalità %"),
                                               QRect(7860, 6000, 1100, 660), 8, true);
    rateHeading->setAlignment(Qt::AlignRight);
    rateHeading->setLineCentres({Twips::scale() * 150, Twips::scale() * 510});
    natality_ = addLabel(QStringLiteral("Label13"), QString(), QRect(9000, 6000, 495, 300), 10, true);
    mortality_ = addLabel(QStringLiteral("Label14"), QString(), QRect(9000, 6360, 495, 300), 10, true);
    for (QLabel *figure : {natality_, mortality_}) {
        figure->setAlignment(Qt::AlignCenter);
        // The pale figures need a deeper teal than the picture's to be read (4.5:1).
        setColours(figure, lightCyan, figureGround);
    }
    addFrame(QStringLiteral("Shape5"), QRect(7835, 5940, 1720, 780));
    accessible::describe(years_, QStringLiteral("Anni simulati"));
    accessible::describe(total_, QStringLiteral("Popolazione"));
    accessible::describe(natality_, QStringLiteral("Natalità %"));
    accessible::describe(mortality_, QStringLiteral("Mortalità %"));
}

void Fpiramidi::buildNavigation()
{
    connect(addButton(QStringLiteral("Cmdtorno"), QStringLiteral("Torno"), QRect(7080, 8100, 1440, 480)), &QPushButton::clicked,
            this, &Fpiramidi::goBack);
    connect(addButton(QStringLiteral("Cmdmenù"), QStringLiteral("Menù"), QRect(8760, 8100, 1440, 480)), &QPushButton::clicked,
            this, &Fpiramidi::goToMenu);
    connect(addButton(QStringLiteral("Cmdesco"), QStringLiteral("Esco"), QRect(10440, 8100, 1440, 480)), &QPushButton::clicked,
            this, &Fpiramidi::exitProgram);
}

QPushButton *Fpiramidi::addButton(const QString &name, const QString &caption, const QRect &twips)
{
    auto *button = new QPushButton(caption, canvas());
    button->setObjectName(name);
    button->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    button->setFont(Twips::font(9, true));
    button->setStyleSheet(buttonStyle);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void Fpiramidi::addFrame(const QString &name, const QRect &twips)
{
    auto *frame = new QFrame(canvas());
    frame->setObjectName(name);
    frame->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    frame->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #6f9ba3; border-radius: 6px; }"));
    frame->lower();
}

void Fpiramidi::loadCountry(PyramidModel::Country country)
{
    model_.load(country);
    modelName_->setText(model_.countryName());
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

void Fpiramidi::inizio()
{
    model_.inizio();
    drawBars();
    ageColumn_->move((picture_->width() - ageColumn_->width()) / 2, Twips::px(ageColumnTop));
    years_->setText(model_.yearsText());
}

void Fpiramidi::calcolapop()
{
    model_.calcolapop();
    total_->setText(model_.totalText());
}

void Fpiramidi::grandiclassi()
{
    youngShare_->setText(model_.youngShareText());
    adultShare_->setText(model_.adultShareText());
    oldShare_->setText(model_.oldShareText());
    natality_->setText(model_.natalityText());
}

void Fpiramidi::calculateNextStep()
{
    switch (model_.step(ratesTyped(birthRates_), ratesTyped(deathRates_))) {
    case PyramidModel::StepOutcome::Done:
        break;
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

void Fpiramidi::backToStart()
{
    loadCountry(model_.country());
}

void Fpiramidi::drawBars()
{
    QList<double> widths;
    for (int ageClass = 1; ageClass <= PyramidModel::classCount; ++ageClass)
        widths.append(model_.barWidth(ageClass));
    picture_->setBarWidths(widths);
    describePyramid();
}

// What the bars show, in words: the model, the years, the shares and every class.
void Fpiramidi::describePyramid()
{
    const auto share = [this](int first, int last) {
        qint64 sum = 0;
        for (int c = first; c <= last; ++c)
            sum += model_.persons(c);
        // One decimal with the comma, as the program writes every number.
        return model_.total() > 0 ? QString::number(100.0 * sum / model_.total(), 'f', 1).replace(u'.', u',') : QStringLiteral("0");
    };
    QStringList classes;
    for (int ageClass = PyramidModel::classCount; ageClass >= 1; --ageClass)
        classes << QStringLiteral("%1 anni: %2").arg(PyramidModel::classLabel(ageClass)).arg(model_.persons(ageClass));
    accessible::name(picture_, QStringLiteral("Piramide della popolazione: %1 dopo %2 anni").arg(model_.countryName(), model_.yearsText()),
                     QStringLiteral("Popolazione %1 abitanti. Tra 0 e 14 anni %2%, tra 15 e 64 anni %3%, oltre i 65 anni %4%. "
                                    "Natalità %5%, mortalità %6%. Per classi di età, dalla più anziana: %7.")
                         .arg(model_.totalText(), share(1, 3), share(4, 13), share(14, 18), model_.natalityText(),
                              model_.mortalityText(), classes.join(QStringLiteral("; "))));
}

QStringList Fpiramidi::ratesTyped(const QList<QLineEdit *> &boxes) const
{
    QStringList texts;
    for (const QLineEdit *box : boxes)
        texts.append(box->text());
    return texts;
}

} // namespace censaria
