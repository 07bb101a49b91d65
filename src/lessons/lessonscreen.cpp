#include "lessonscreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "lessonboard.h"
#include "lessoncatalogue.h"
#include "lessoncontent.h"
#include "platform/twips.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPushButton>
#include <QSet>
#include <QScrollBar>
#include <QTextEdit>

namespace censaria {
namespace {

// Layout in twips on the 12000 x 9000 design page.
constexpr int margin = 292;
constexpr int textTop = 1200;
constexpr int textHeight = 6900;
constexpr int columnWidth = 5415; // the lesson text beside the picture
constexpr int wideWidth = 11415;  // the in-depth page, over the picture
constexpr int pictureLeft = 5872;
constexpr int pictureWidth = 5835;
constexpr int pictureHeight = 6060;
constexpr int destinationTop = 7440;
constexpr int destinationHeight = 660;
constexpr int buttonRowTop = 8280;
constexpr int buttonRowHeight = 540;
constexpr int textIndent = 100;

constexpr int defaultPixmapCacheKB = 10240;

const QColor paper(244, 239, 227);
const QColor disabledGrey(184, 178, 164);

// Qt keeps 10 MB of pictures for the whole program: less than the lessons' own, fitted
// to a classroom display, so that a walk through the pages decoded every picture again.
// Room for all of them, up to 32 MB more on the largest displays.
void keepRoomForPictures(const QSize &box)
{
    QSet<QString> pictures;
    for (const LessonTopic &topic : lessonTopics())
        if (!topic.picture.isEmpty())
            pictures.insert(topic.picture);
    const qint64 kilobytes = qint64(box.width()) * box.height() * 4 / 1024 * pictures.size();
    QPixmapCache::setCacheLimit(
        int(std::max<qint64>(QPixmapCache::cacheLimit(), defaultPixmapCacheKB + std::min<qint64>(kilobytes, 32 * 1024))));
}

} // namespace

LessonScreen::LessonScreen(Module &module)
    : Screen(module, forms::lessons)
{
    setWindowTitle(QStringLiteral("Lezioni"));
    setBackground(paper);
    buildMenuBar();

    title_ = makeLabel(canvas(), QStringLiteral("LabTITOLO"), QString(), {margin, 450, wideWidth, 620}, Twips::font(12, true));
    title_->setWordWrap(true);
    title_->setIndent(Twips::px(160));
    title_->setStyleSheet(QStringLiteral("background: #1f4e5f; color: white; border-radius: %1px;").arg(Twips::px(60)));

    picture_ = makeLabel(canvas(), QStringLiteral("Image1"), QString(), {pictureLeft, textTop, pictureWidth, pictureHeight}, Twips::font(10),
                         Qt::AlignCenter);
    picture_->setWordWrap(true);
    picture_->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #b9ad94; color: #7a3b2e; }"));

    const ButtonLook buttonLook = filledLook(QColor(31, 110, 130), 9, disabledGrey);
    destinationButton_ = makeButton(canvas(), QStringLiteral("CmdDestina"), QString(),
                                    {pictureLeft, destinationTop, pictureWidth, destinationHeight},
                                    filledLook(QColor(196, 98, 28), 10, disabledGrey), this, &LessonScreen::openPageDestination);
    familiesButton_ = makeButton(canvas(), QStringLiteral("CmdOsserva"), QStringLiteral("Osserva i modelli delle famiglie"),
                                 {pictureLeft, destinationTop - 600, pictureWidth, buttonRowHeight}, buttonLook, this,
                                 &LessonScreen::openFamilies);
    otherDestinationButton_ = makeButton(canvas(), QStringLiteral("OtherDestination"), QString(),
                                         {margin, destinationTop, columnWidth, destinationHeight},
                                         filledLook(QColor(196, 98, 28), 10, disabledGrey), this, &LessonScreen::openOtherDestination);

    // The text comes last so that the wide in-depth page lies over the picture.
    text_ = new QTextEdit(canvas());
    text_->setObjectName(QStringLiteral("RTBtesto"));
    text_->setGeometry(Twips::rect(margin, textTop, columnWidth, textHeight));
    text_->setReadOnly(true);
    // Break lines only between words: the column is narrow and lessons have long words.
    text_->setWordWrapMode(QTextOption::WordWrap);
    text_->setStyleSheet(QStringLiteral("QTextEdit { background: white; color: #1c1c1c; border: 1px solid #b9ad94; }"));
    accessible::name(text_, QStringLiteral("Testo della lezione"));

    const int half = (columnWidth - 120) / 2;
    previousButton_ = makeButton(canvas(), QStringLiteral("CmdINDIETRO"), QStringLiteral("Indietro"),
                                 {margin, buttonRowTop, half, buttonRowHeight}, buttonLook, this, &LessonScreen::showPreviousPage);
    nextButton_ = makeButton(canvas(), QStringLiteral("CmdAVANTI"), QStringLiteral("Avanti"),
                             {margin + columnWidth - half, buttonRowTop, half, buttonRowHeight}, buttonLook, this, &LessonScreen::showNextPage);
    QPushButton *toMenu = makeButton(canvas(), QStringLiteral("Cmdmenù"), QStringLiteral("Menù principale"),
                                     {pictureLeft, buttonRowTop, 3600, buttonRowHeight}, buttonLook, this, &LessonScreen::goToMenu);
    QPushButton *exit = makeButton(canvas(), QStringLiteral("Cmdesco"), QStringLiteral("Esco"),
                                   {pictureLeft + 3800, buttonRowTop, pictureWidth - 3800, buttonRowHeight},
                                   filledLook(palette::exit, 9, disabledGrey), this, &LessonScreen::exitProgram);

    for (const char *name : {"Label1", "Label2"}) {
        auto *hidden = new QLabel(canvas());
        hidden->setObjectName(QString::fromUtf8(name));
        hidden->hide();
    }
    familiesButton_->hide();
    otherDestinationButton_->hide();

    offerLessonOnBoard({picture_, text_, nextButton_, previousButton_, [this] { return picturePath_; }, [this] { return pictureTitle_; }});

    // Tab leaves the text rather than being typed into it.
    text_->setTabChangesFocus(true);
    setKeyboardOrder({text_, familiesButton_, otherDestinationButton_, destinationButton_, previousButton_, nextButton_, toMenu, exit});
    // Only after the order is set: Qt would move a control that takes no focus to its end.
    otherDestinationButton_->setFocusPolicy(Qt::NoFocus);
}

void LessonScreen::buildMenuBar()
{
    auto *menuBar = new QMenuBar(canvas());
    menuBar->setNativeMenuBar(false);
    menuBar->setFont(Twips::font(9));
    menuBar->setStyleSheet(QStringLiteral("QMenuBar { background: #e6dcc6; border-bottom: 1px solid #b9ad94; }"
                                          "QMenuBar::item { padding: 2px 10px; background: transparent; }"
                                          "QMenuBar::item:selected { background: #1f4e5f; color: white; }"));
    for (const LessonMenu &entry : lessonMenus()) {
        if (entry.entries.isEmpty()) {
            QAction *action = menuBar->addAction(entry.caption);
            action->setObjectName(entry.name);
            connect(action, &QAction::triggered, this, [this, page = entry.page] { loadPage(page); });
            continue;
        }
        QMenu *menu = menuBar->addMenu(entry.caption);
        menu->setObjectName(entry.name);
        menu->setFont(Twips::font(9));
        for (const LessonMenuEntry &item : entry.entries) {
            QAction *action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            connect(action, &QAction::triggered, this, [this, page = item.page] { loadPage(page); });
        }
    }
    // Outside a main window a menu bar would size itself to nothing.
    menuBar->setGeometry(Twips::rect(0, 0, Twips::designWidth, 330));
    menuBar->setFixedHeight(Twips::px(330));
}

void LessonScreen::showLessonPage(const QString &pageKey)
{
    loadPage(pageKey);
}

void LessonScreen::loadPage(const QString &key)
{
    const LessonTopic *topic = lessonTopic(key);
    if (!topic)
        return;
    familiesButton_->hide();
    module().chiamante = topic->key;
    if (topic->inSequence())
        loadSequencePage(*topic);
    else
        loadInDepthPage(*topic);
    text_->moveCursor(QTextCursor::Start);
    text_->verticalScrollBar()->setValue(0);
}

void LessonScreen::loadSequencePage(const LessonTopic &topic)
{
    text_->resize(Twips::px(columnWidth), Twips::px(textHeight));
    paging_.setPagina(topic.pagina);
    showDestination(topic);
    title_->setText(topic.title);
    accessible::describe(text_, topic.title);
    showPicture(topic.picture);
    pictureTitle_ = topic.title;
    accessible::name(picture_, QStringLiteral("Immagine della lezione"), topic.title);
    text_->setFont(Twips::font(9));
    showText(topic, Twips::px(textIndent));
}

// The in-depth page spreads over the picture; page number and picture stay as they were.
void LessonScreen::loadInDepthPage(const LessonTopic &topic)
{
    text_->setFont(Twips::font(10));
    // Its destinations, if it has any, stand under it.
    text_->resize(Twips::px(wideWidth), Twips::px(topic.destinationCaption.isEmpty() ? textHeight : destinationTop - 120 - textTop));
    showDestination(topic);
    title_->setText(topic.title);
    showText(topic, 0);
}

// The page is made ready in a document of its own and handed to the text box whole:
// read into the shown document, it would be laid out again at every paragraph read.
// A page shown again as it is (same file, same type size) keeps its document.
void LessonScreen::showText(const LessonTopic &topic, qreal indent)
{
    const QString path = module().paths().resolve(topic.lessonFile);
    const QFileInfo file(path);
    const QString key = QStringLiteral("%1:%2:%3:%4:%5")
                            .arg(path)
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(file.size())
                            .arg(text_->font().pixelSize())
                            .arg(indent);
    if (key == shownText_)
        return;
    QTextDocument *document = makeLessonDocument(path, text_->font(), indent, text_);
    document->setDocumentMargin(Twips::px(150));
    // Without a page size nothing is laid out as the box takes the document over: the box
    // lays it out once, at its own width.
    document->setPageSize(QSizeF(0, 0));
    // The box deletes the document it made itself; the pages' documents are ours.
    QTextDocument *old = text_->document();
    const bool ours = old->parent() == text_;
    text_->setDocument(document);
    if (ours)
        delete old;
    shownText_ = key;
}

void LessonScreen::showPicture(const QString &programPath)
{
    const QString path = module().paths().resolve(programPath);
    picturePath_ = path;
    const qreal ratio = picture_->devicePixelRatioF();
    const QSize box = picture_->contentsRect().size() * ratio;
    // Decoding and smoothing a JPEG takes most of a page change: pages that come back
    // reuse the scaled picture while the file and the box are the same.
    const QString key = QStringLiteral("lesson:%1:%2x%3:%4")
                            .arg(path)
                            .arg(box.width())
                            .arg(box.height())
                            .arg(QFileInfo(path).lastModified().toMSecsSinceEpoch());
    keepRoomForPictures(box);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        // Fitted to the box's real pixels, so the picture stays sharp on dense displays too.
        const LessonPicture picture = loadLessonPicture(path, box);
        if (picture.image.isNull()) {
            picture_->setText(picture.note);
            return;
        }
        pixmap = QPixmap::fromImage(picture.image);
        pixmap.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, pixmap);
    }
    picture_->setPixmap(pixmap);
}

void LessonScreen::showDestination(const LessonTopic &topic)
{
    destinationButton_->setText(topic.destinationCaption);
    // A button without a caption would be an empty box on the page.
    destinationButton_->setVisible(!topic.destinationCaption.isEmpty());
    otherDestinationButton_->setText(topic.otherCaption);
    otherDestinationButton_->setVisible(!topic.otherCaption.isEmpty());
    // Offered to the keyboard and to screen readers only while it leads somewhere.
    otherDestinationButton_->setFocusPolicy(topic.otherCaption.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

void LessonScreen::showNextPage()
{
    const QString next = paging_.avanti();
    showPagingStates();
    if (!next.isEmpty())
        loadPage(next);
}

void LessonScreen::showPreviousPage()
{
    const QString previous = paging_.indietro();
    showPagingStates();
    if (!previous.isEmpty())
        loadPage(previous);
}

void LessonScreen::showPagingStates()
{
    nextButton_->setEnabled(paging_.avantiEnabled());
    previousButton_->setEnabled(paging_.indietroEnabled());
}

void LessonScreen::openPageDestination()
{
    const LessonTopic *topic = lessonTopic(module().chiamante);
    if (!topic) {
        // No page to lead from: rather than leaving an empty display, the main menu.
        goToMenu();
        return;
    }
    openDestination(topic->destination);
}

void LessonScreen::openOtherDestination()
{
    if (const LessonTopic *topic = lessonTopic(module().chiamante))
        openDestination(topic->otherDestination);
}

void LessonScreen::openDestination(const LessonDestination &to)
{
    bool opened = false;
    switch (to.kind) {
    case LessonDestination::Kind::Nothing: return;
    case LessonDestination::Kind::Questionnaire: opened = module().navigation().showQuestionnaire(to.target); break;
    case LessonDestination::Kind::Screen: opened = module().navigation().show(to.target) != nullptr; break;
    }
    if (opened)
        hide();
}

void LessonScreen::openFamilies()
{
    module().navigation().show(forms::families);
}

} // namespace censaria
