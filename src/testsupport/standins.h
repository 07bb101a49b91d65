#pragma once

// Stand-ins for screens, registered in a test in place of the real ones, so the test
// sees what another screen was asked to do:
//   program.module().screens().add(forms::results, [](Module &m) { return new StandInResults(m); });

#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/navigation.h"
#include "screenkit/screen.h"

#include <QPushButton>
#include <optional>

namespace censaria {

// A bare screen whose shared navigation routines a test can call.
class StandInScreen : public Screen
{
public:
    StandInScreen(Module &module, const QString &formName)
        : Screen(module, formName)
    {
    }
    using Screen::goBack;
    using Screen::goToMenu;
    using Screen::openResults;
};

// Has the hidden refresh button; each press records the pupil's name and row then.
class StandInResults : public StandInScreen
{
public:
    explicit StandInResults(Module &module)
        : StandInScreen(module, forms::results)
    {
        auto *refresh = new QPushButton(this);
        refresh->setObjectName(QStringLiteral("CMDAGGIORNA"));
        refresh->hide();
        connect(refresh, &QPushButton::clicked, this, [this] {
            ++refreshes;
            namesAtRefresh.append(this->module().nomealunno);
            row = this->module().dbrisultati().findRow(QStringLiteral("questionari"), this->module().nomealunno);
        });
    }
    int refreshes = 0;
    QStringList namesAtRefresh;
    std::optional<ArchiveRow> row;
};

} // namespace censaria
