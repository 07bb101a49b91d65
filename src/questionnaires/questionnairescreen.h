#pragma once

#include "screenkit/navigation.h"
#include "screenkit/screen.h"
#include "questionnairesession.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace censaria {

class TopicChooser;

// The questionnaire screen: ten true/false statements of one topic, scored on the spot
// and recorded in the pupil's archive row.
class QuestionnaireScreen : public Screen, public QuestionnaireTopics
{
    Q_OBJECT
public:
    explicit QuestionnaireScreen(Module &module);

    // Loads a topic by its loader's name; an unknown name loads nothing.
    void loadTopic(const QString &loaderName) override;

    // The unanswered rows; when there are any the pupil is told to complete them.
    int verifica();

    const QuestionnaireSession &session() const { return session_; }

private:
    void buildRows();
    void buildButtons();
    void buildCounts();
    void buildPictures();

    void topicChosen(const QString &item);
    void scoreAnswers();
    void printSheet();
    void showOtherFamily();
    void openArchive();
    void backToMenu();
    // Paints every control as the session says.
    void showSession();
    void showStatement(int row);

    QuestionnaireSession session_;
    TopicChooser *combo_ = nullptr;
    QLineEdit *title_ = nullptr;
    std::array<QLineEdit *, QuestionnaireSession::rowCount> statements_{};
    std::array<QCheckBox *, QuestionnaireSession::rowCount> trueBoxes_{};
    std::array<QCheckBox *, QuestionnaireSession::rowCount> falseBoxes_{};
    QPushButton *result_ = nullptr;
    QPushButton *printSheet_ = nullptr;
    QPushButton *familyButton_ = nullptr;
    QPushButton *archive_ = nullptr;
    QLabel *right_ = nullptr;
    QLabel *wrong_ = nullptr;
    QLabel *totalRight_ = nullptr;
    QLabel *totalWrong_ = nullptr;
};

} // namespace censaria
