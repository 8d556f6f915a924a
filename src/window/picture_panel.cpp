#include "window/picture_panel.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "engine/interest.h"
#include "window/picture_session.h"
#include "window/remake_advice.h"

namespace momentart {

namespace {

QString formulaText(const PictureSummary& s) {
    const QString pair = QString("group %1, formula %2").arg(s.group).arg(s.formula);
    if (!s.cross) return pair;
    return pair + QString("\nand group %1, formula %2 (cross mode: each pixel takes one)")
                      .arg(s.crossGroup)
                      .arg(s.crossFormula);
}

// The moment that named the picture, when it was first made.
QString momentText(const CalendarTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)).toString("yyyy-MM-dd hh:mm:ss");
}

QLabel* label(QWidget* parent, const QRect& place, const char* name) {
    auto* text = new QLabel(parent);
    text->setObjectName(name);
    text->setGeometry(place);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    return text;
}

}  // namespace

PicturePanel::PicturePanel(QWidget* parent) : QFrame(parent) {
    setObjectName("PicturePanel");
    setFixedSize(kPanelSize);
    const int width = kPanelSize.width() - 24;
    name_ = label(this, {12, 8, width, 30}, "PictureName");
    QFont big = name_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    name_->setFont(big);
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    position_ = label(this, {12, 42, width, 20}, "PicturePosition");
    details_ = label(this, {12, 64, width, 194}, "PictureDetails");
    details_->setTextFormat(Qt::RichText);
    constexpr int kCopyWidth = 56;
    command_ = label(this, {12, 262, width - kCopyWidth - 6, 90}, "RemakeCommand");
    command_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    command_->setToolTip("The command that makes this picture again, bit for bit");
    copy_ = new QPushButton("Copy", this);
    copy_->setObjectName("CopyCommand");
    copy_->setGeometry(12 + width - kCopyWidth, 262, kCopyWidth, 26);
    copy_->setAutoDefault(false);
    copy_->setToolTip("Copy the command that makes this picture again");
    copy_->setEnabled(false);
    connect(copy_, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(remake_); });
    auto* hint = label(this, {12, kPanelButtonsTop + 34, width, 60}, "PanelHint");
    hint->setText("Left and Right step through the pictures made; click a thumbnail below to show it. "
                  "Drop a picture, a recipe or a film here to open it.");
    hint->setEnabled(false);
}

QString PicturePanel::remakeCommand(const QString& recipeFile) {
    static const QRegularExpression plain("^[A-Za-z0-9_./:+-]+$");
    QString path = QDir::toNativeSeparators(recipeFile);
    if (!plain.match(path).hasMatch()) path = "'" + path.replace("'", "'\\''") + "'";
    return "momentart render --from " + path;
}

void PicturePanel::showGrowing(const GrowingPicture& growing) {
    name_->setText(growing.name.isEmpty() ? QString("...") : growing.name);
    position_->setText(QString("picture %1 is growing (%2)").arg(growing.number).arg(growing.how));
    position_->setStyleSheet("color: #006000; font-weight: bold;");
    details_->setText(growing.type == 0 ? QString() : QString("<table><tr><td style='padding-right:10px'><b>Image "
                                                                   "type</b></td><td>%1</td></tr></table>")
                                                          .arg(growing.type));
    command_->setText("The rest is told once the picture is finished.");
    remake_.clear();
    copy_->setEnabled(false);
}

void PicturePanel::showPicture(const PictureHistory& history, int index) {
    const HistoryPicture& picture = history.at(index);
    const PictureSummary& s = picture.summary;
    name_->setText(QString::fromStdString(s.name));
    const bool newest = index == history.size() - 1;
    position_->setText(newest ? QString("the newest picture (%1 made)").arg(history.size())
                              : QString("earlier picture %1 of %2").arg(index + 1).arg(history.size()));
    // An earlier picture stands out: new pictures go on from the newest.
    position_->setStyleSheet(newest ? QString() : "color: #a04000; font-weight: bold;");
    const auto row = [](const QString& key, const QString& value) {
        return "<tr><td style='padding-right:10px'><b>" + key + "</b></td><td>" + value.toHtmlEscaped().replace("\n", "<br>") +
               "</td></tr>";
    };
    details_->setText("<table>" + row("Image type", QString::number(s.type)) + row("Timer seed", QString("%1 (this run's; the command below makes the picture again)").arg(s.seed)) +
                      row("Formula", formulaText(s)) +
                      row("Colouring", QString("family %1, scheme %2").arg(s.family).arg(s.scheme)) +
                      row("Drawing mode", QString::number(s.drawingMode)) +
                      (picture.recipe.variation.kind == VariationKind::None
                           ? QString()
                           : row("Variation", QString::fromStdString(variationText(picture.recipe.variation)))) +
                      // Only a picture of an old recipe says so: every new one is correctly rounded.
                      (picture.recipe.maths == Maths::CorrectlyRounded
                           ? QString()
                           : row("Maths", "the C library's, as when it was made")) +
                      row("Made", momentText(picture.recipe.moment)) +
                      (picture.interest ? row("Interest", QString::fromStdString(interestText(*picture.interest)))
                                        : QString()) +
                      "</table>");
    remake_ = picture.recipeFile.isEmpty() ? QString() : remakeCommand(picture.recipeFile);
    copy_->setEnabled(!remake_.isEmpty());
    // The seed alone makes it again only from a fresh start.
    const QString fresh = freshRenderCommand(picture.recipe);
    const QString alsoFresh =
        fresh.isEmpty() ? QString() : "\nA first picture of its seed: " + fresh + " makes it too, named for when it runs.";
    command_->setText(remake_.isEmpty() ? "Not kept on disk yet: Keep (Ctrl+S) or save on D: writes a file it can be "
                                          "made again from." + alsoFresh
                                        : "Make it again:\n" + remake_ + alsoFresh);
}

}  // namespace momentart
