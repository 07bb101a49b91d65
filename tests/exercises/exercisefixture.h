#pragma once

#include "programtest.h"
#include "archive/schema.h"
#include "draws.h"
#include "testsupport/standins.h"

// A started program with a stand-in results screen, and the moves a pupil makes on the
// two exercise screens.
class ExerciseFixture : public ProgramTest
{
protected:
    void beforeStart() override
    {
        using namespace censaria;
        program_->module().screens().add(forms::results, [](Module &m) { return new StandInResults(m); });
    }
    template <typename T = QWidget>
    T *in(const QString &form, const QString &name)
    {
        T *control = program_->control<T>(form, name);
        if (!control)
            qFatal("no control %s on %s", qPrintable(name), qPrintable(form));
        return control;
    }
    QString text(const QString &form, const QString &name) { return program_->text(form, name); }
    QStringList labels(const QString &form, const QStringList &names)
    {
        QStringList texts;
        for (const QString &name : names)
            texts.append(text(form, name));
        return texts;
    }
    void type(const QString &form, const QString &name, const QString &value) { in<QLineEdit>(form, name)->setText(value); }
    void click(const QString &form, const QString &name) { program_->click(form, name); }
    QVariant stored(const QString &column)
    {
        const auto row = program_->module().dbrisultati().findRow(QStringLiteral("esercizi"), QStringLiteral("ROSSI MARIO"));
        return row ? row->value(censaria::schema::esercizi().position(column)) : QVariant();
    }

    // 2000 people at 20 and 30 per thousand (40 born, 60 dead, balance -20, 1980 at the
    // end); 5000 people with 60 born and 45 dead (rates 12 and 9, balance 15, 5015).
    void openRates()
    {
        program_->random().queue(ratesDraws(2, 20, 30, 5, 12, 9));
        click(censaria::forms::menu, QStringLiteral("cmdesdin"));
    }
    void typeRates(const QStringList &answers)
    {
        const QStringList boxes = {"txtnati", "txtmorti", "Txtsaldo", "Txtpopfine", "Txt1nati", "txt1morti", "txt1saldo", "txt1popfine"};
        for (int i = 0; i < boxes.size(); ++i)
            type(censaria::forms::rates, boxes[i], answers.value(i));
    }
    // A rich region of 90 000: 950 born, 900 dead, 300 gone, 800 come; at the end 90 550.
    void openBalances()
    {
        program_->random().queue(balancesDraws(90000, 1, 950, 900, 300, 800, {800, 800, 100, 800}, {201, 201, 201, 201}));
        click(censaria::forms::menu, QStringLiteral("Cmdesercizi1"));
    }
};
