#include "window/picture_session.h"

#include "engine/generation/variation.h"
#include "engine/recipe_variation.h"
#include "platform/image_convert.h"
#include "platform/worker_pool.h"

namespace momentart {

namespace {

// The cells of the variations grid are a third of the picture each way.
QImage inCell(const QImage& picture) {
    return picture.scaled(Canvas::kWidth / 3, Canvas::kHeight / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

void PictureSession::toggleVariations() {
    if (variationsOpen_ || !record_.made) return closeVariations();
    variationsCentre_ = inCell(toQImage(shownPicture()));
    variationsOpen_ = true;
    fillVariations();
}

void PictureSession::setVariationPart(VariationKind kind) {
    if (kind == variationPart_) return;
    variationPart_ = kind;
    if (variationsOpen_) fillVariations();
}

void PictureSession::fillVariations() {
    // The variations of the picture shown, the newest or an earlier one.
    const Recipe shown = history_.empty() ? record_.recipe : history_.shown().recipe;
    for (auto& picture : variationPictures_) picture.reset();
    for (QImage& image : variationImages_) image = {};
    ++variationsRound_;
    variationsNext_.reset();
    // Eight copies of the picture would be all a fixed part gives.
    variationPartFixed_ = !variationFree(plannedState(shown), variationPart_);
    if (variationPartFixed_) {
        variations_.cancel();
    } else if (variations_.running()) {
        // An earlier filling may still be finishing its pictures.
        variations_.cancel();
        variationsNext_ = shown;
    } else {
        makeVariations(shown);
    }
    emit variationsChanged();
}

void PictureSession::makeVariations(const Recipe& shown) {
    variations_.start(
        [this, shown, round = variationsRound_, part = variationPart_](JobControl& control) {
            forEachOnThreads(kVariations, everyCore(), control.cancelFlag(), [&](int n) {
                const Variation variation{part, static_cast<std::uint32_t>(n + 1)};
                auto made = std::make_shared<RenderedPicture>(renderFromRecipe(variationRecipe(shown, variation)));
                control.post([this, n, made, round, small = inCell(toQImage(*made->canvas))] {
                    if (!variationsOpen_ || round != variationsRound_) return;
                    variationPictures_[n] = made;
                    variationImages_[n] = small;
                    emit variationsChanged();
                });
            });
        },
        [this] {
            if (!variationsNext_) return;
            const Recipe next = *variationsNext_;
            variationsNext_.reset();
            if (variationsOpen_) makeVariations(next);
        });
}

int PictureSession::variationsMade() const {
    int count = 0;
    for (const auto& picture : variationPictures_) count += picture != nullptr;
    return count;
}

bool PictureSession::chooseVariation(int n) {
    if (!variationsOpen_ || n < 0 || n >= kVariations || variationPictures_[n] == nullptr) return false;
    const std::shared_ptr<RenderedPicture> picked = variationPictures_[n];
    closeVariations();
    enqueue({WindowAction::TakeVariation, -1, {}, picked});
    return true;
}

void PictureSession::closeVariations() {
    if (!variationsOpen_) return;
    variationsOpen_ = false;
    variationsNext_.reset();
    // The pictures under way are finished and dropped.
    variations_.cancel();
    for (auto& picture : variationPictures_) picture.reset();
    escape_.workEnded();
    emit variationsChanged();
}

void PictureSession::adoptVariation(const RenderedPicture& picture) {
    // As an opened picture: the live sequence goes on from it.
    state_ = picture.state;
    *picture_ = *picture.canvas;
    record_ = {true, picture.recipe};
    emit shown(toQImage(*picture_));
    keepInHistory({});
    report(QString("Took the %1 variation; new pictures go on from it")
               .arg(QString::fromStdString(variationText(picture.recipe.variation))));
    emit runFinished();
}

}  // namespace momentart
