#include "calculatorpanel.h"

#include "screenkit/accessibility.h"
#include "screenkit/module.h"
#include "platform/twips.h"

#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace censaria {
namespace {

constexpr int margin = 180;
constexpr int readoutTop = 300;
constexpr int keysTop = 840;
constexpr int keyPitch = 600;
constexpr int keySize = 480;

// Names of the keys whose caption is a sign, as a screen reader should say them.
const QHash<QString, QString> spokenKeys = {{QStringLiteral("/"), QStringLiteral("diviso")},
                                            {QStringLiteral("+"), QStringLiteral("più")},
                                            {QStringLiteral("X"), QStringLiteral("per")},
                                            {QStringLiteral("-"), QStringLiteral("meno")},
                                            {QStringLiteral("="), QStringLiteral("uguale")},
                                            {QStringLiteral("%"), QStringLiteral("per cento")},
                                            {QStringLiteral("."), QStringLiteral("virgola")},
                                            {QStringLiteral("C"), QStringLiteral("cancella tutto")},
                                            {QStringLiteral("CE"), QStringLiteral("cancella il numero")}};

const QString keyStyle = QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid #4a4f5a; border-radius: 4px; }"
                                        "QPushButton:pressed { background: #9aa3b5; }");

} // namespace

CalculatorPanel::CalculatorPanel(Module &module, QWidget *parent)
    : QGroupBox(QStringLiteral("CALCOLATRICE"), parent)
    , module_(module)
    , readout_(new QLabel(this))
{
    setObjectName(QStringLiteral("Frame3"));
    setFont(Twips::font(8, true));
    setStyleSheet(QStringLiteral("QGroupBox#Frame3 { background: #d9dde6; border: 2px solid #6b7385; border-radius: 6px; margin-top: %1px; }"
                                 "QGroupBox#Frame3::title { subcontrol-origin: margin; left: %2px; color: #2a3040; }")
                      .arg(Twips::px(120))
                      .arg(Twips::px(margin)));

    readout_->setObjectName(QStringLiteral("Readout"));
    accessible::describe(readout_, QStringLiteral("Display della calcolatrice"));
    accessible::name(this, QStringLiteral("Calcolatrice"),
                     QStringLiteral("Si usa anche con la tastiera: cifre, virgola, + - * /, per cento, Invio o uguale, "
                                    "Backspace cancella il numero, Esc cancella tutto"));
    // Reached with Tab, or by clicking one of its keys.
    setFocusPolicy(Qt::StrongFocus);
    readout_->setGeometry(Twips::rect(margin, readoutTop, 2880, 375));
    readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    readout_->setFont(Twips::font(10, true, QStringLiteral("DejaVu Sans Mono")));
    readout_->setStyleSheet(QStringLiteral("background: rgb(192, 192, 255); color: black; border: 1px solid #4a4f5a; padding-right: 3px;"));

    const int digitPlaces[10][2] = {{3, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 0}, {1, 1}, {1, 2}, {0, 0}, {0, 1}, {0, 2}};
    for (int d = 0; d < 10; ++d) {
        QPushButton *key = addKey(QString::number(d), QStringLiteral("Number(%1)").arg(d), digitPlaces[d][0], digitPlaces[d][1], d == 0 ? 2 : 1);
        connect(key, &QPushButton::clicked, this, [this, d] {
            engine_.digit(d);
            showReadout();
        });
    }
    connect(addKey(QStringLiteral("."), QStringLiteral("Decimal"), 3, 2), &QPushButton::clicked, this, [this] {
        engine_.decimalPoint();
        showReadout();
    });
    // Operator indices as the keys were numbered: 0 "/", 1 "+", 2 "X", 3 "-", 4 "=".
    const struct
    {
        const char *caption;
        int index, row, column;
    } operators[] = {{"/", 0, 2, 4}, {"+", 1, 1, 3}, {"X", 2, 2, 3}, {"-", 3, 1, 4}, {"=", 4, 3, 3}};
    for (const auto &o : operators) {
        const QString caption = QString::fromLatin1(o.caption);
        connect(addKey(caption, QStringLiteral("Operator(%1)").arg(o.index), o.row, o.column), &QPushButton::clicked, this,
                [this, caption] { pressOperator(caption); });
    }
    connect(addKey(QStringLiteral("%"), QStringLiteral("Percent"), 3, 4), &QPushButton::clicked, this, [this] {
        engine_.percent();
        showReadout();
    });
    QPushButton *cancel = addKey(QStringLiteral("C"), QStringLiteral("Cancel"), 0, 3);
    connect(cancel, &QPushButton::clicked, this, &CalculatorPanel::reset);
    QPushButton *cancelEntry = addKey(QStringLiteral("CE"), QStringLiteral("CancelEntry"), 0, 4);
    connect(cancelEntry, &QPushButton::clicked, this, [this] {
        engine_.clearEntry();
        showReadout();
    });
    for (QPushButton *key : {cancel, cancelEntry})
        key->setStyleSheet(keyStyle.arg(QStringLiteral("#c0392b"), QStringLiteral("white")));

    showReadout();
}

QPushButton *CalculatorPanel::addKey(const QString &caption, const QString &name, int row, int column, int span)
{
    auto *key = new QPushButton(caption, this);
    key->setObjectName(name);
    key->setGeometry(Twips::rect(margin + column * keyPitch, keysTop + row * keyPitch, keySize + (span - 1) * keyPitch, keySize));
    key->setFont(Twips::font(11, true));
    key->setFocusPolicy(Qt::NoFocus);
    if (spokenKeys.contains(caption))
        accessible::name(key, spokenKeys.value(caption));
    // A key clicked with the mouse leaves the keyboard on the calculator.
    connect(key, &QPushButton::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    const bool isDigit = caption.size() == 1 && caption[0].isDigit();
    key->setStyleSheet(isDigit ? keyStyle.arg(QStringLiteral("#fdfdfd"), QStringLiteral("#1d2330"))
                               : keyStyle.arg(QStringLiteral("#3f5f8f"), QStringLiteral("white")));
    return key;
}

QPushButton *CalculatorPanel::keyFor(const QKeyEvent *event) const
{
    QString name;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: name = QStringLiteral("Operator(4)"); break;
    case Qt::Key_Backspace: name = QStringLiteral("CancelEntry"); break;
    case Qt::Key_Escape:
    case Qt::Key_Delete: name = QStringLiteral("Cancel"); break;
    default: {
        // By the character typed, whatever the keyboard's layout.
        const QString typed = event->text();
        if (typed.size() == 1 && typed[0].isDigit() && typed[0].unicode() < 128)
            name = QStringLiteral("Number(%1)").arg(typed);
        else if (typed == QLatin1String(",") || typed == QLatin1String("."))
            name = QStringLiteral("Decimal");
        else if (typed == QLatin1String("/"))
            name = QStringLiteral("Operator(0)");
        else if (typed == QLatin1String("+"))
            name = QStringLiteral("Operator(1)");
        else if (typed == QLatin1String("*") || typed.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0)
            name = QStringLiteral("Operator(2)");
        else if (typed == QLatin1String("-"))
            name = QStringLiteral("Operator(3)");
        else if (typed == QLatin1String("="))
            name = QStringLiteral("Operator(4)");
        else if (typed == QLatin1String("%"))
            name = QStringLiteral("Percent");
    }
    }
    return name.isEmpty() ? nullptr : findChild<QPushButton *>(name);
}

void CalculatorPanel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    if (QPushButton *key = keyFor(event); key && plain) {
        key->click();
        return;
    }
    QGroupBox::keyPressEvent(event);
}

// Esc belongs to the calculator while it has the focus, not to the screen's way back.
bool CalculatorPanel::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && keyFor(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QGroupBox::event(event);
}

void CalculatorPanel::reset()
{
    engine_.reset();
    showReadout();
}

void CalculatorPanel::pressOperator(const QString &caption)
{
    const CalculatorEngine::Outcome outcome = engine_.operatorKey(caption);
    showReadout();
    switch (outcome) {
    case CalculatorEngine::Outcome::DivisionByZero:
        module_.message(QStringLiteral("Impossibile dividere per zero"), MessageIcon::Exclamation, QStringLiteral("Calcolatrice"));
        break;
    case CalculatorEngine::Outcome::Overflow:
        module_.message(QStringLiteral("Il risultato è troppo grande per la calcolatrice"), MessageIcon::Exclamation,
                        QStringLiteral("Calcolatrice"));
        break;
    case CalculatorEngine::Outcome::Done: break;
    }
}

void CalculatorPanel::showReadout()
{
    readout_->setText(engine_.readout());
}

} // namespace censaria
