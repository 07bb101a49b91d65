#pragma once

#include "screenkit/screen.h"
#include "familybrowser.h"

class QLabel;
class QPushButton;

namespace censaria {

// The records of five traditional and five modern families, one family at a time,
// leading to the two family questionnaires.
class FamiliesScreen : public Screen
{
    Q_OBJECT
public:
    explicit FamiliesScreen(Module &module);

    const FamilyBrowser &browser() const { return browser_; }

private:
    void buildRecord();
    void buildButtons();

    void nextFamily();
    void previousFamily();
    void traditionalFamilies();
    void modernFamilies();
    void showHelp();
    void openQuestionnaires();
    void openLesson();
    void backToMenu();
    void showFamily();

    FamilyBrowser browser_;
    QLabel *setTitle_ = nullptr;
    QLabel *parents_ = nullptr;
    QLabel *children_ = nullptr;
    QLabel *marriageDate_ = nullptr;
    QLabel *position_ = nullptr;
    QPushButton *back_ = nullptr;
    QPushButton *forward_ = nullptr;
    QPushButton *traditional_ = nullptr;
    QPushButton *modern_ = nullptr;
};

} // namespace censaria
