// "Large": the picture on screen made again at a print scale, on background
// threads, and saved as a PNG with its recipe in the Pictures folder. The
// window stays usable meanwhile; the render can be cancelled.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <thread>

#include "engine/recipe.h"

namespace momentart {

class LargeRender final : public QObject {
    Q_OBJECT

public:
    explicit LargeRender(QObject* parent = nullptr);
    // Cancels a render under way and waits for it.
    ~LargeRender() override;

    // Starts making `recipe`'s picture at `scale` on every core; false (and
    // nothing started) while another is under way.
    bool start(const Recipe& recipe, int scale);
    void cancel();

    bool running() const { return running_.load(); }
    int scale() const { return scale_; }
    // How much of the picture is done, 0..1.
    double fraction() const;

signals:
    // On the window's thread. `saved`: the file is written at `path`;
    // otherwise `message` says why not (cancelled, no memory, no write).
    void finished(bool saved, const QString& path, const QString& message);

private:
    void work(Recipe recipe);

    std::thread worker_;
    std::atomic<bool> running_{false};
    std::atomic<bool> cancel_{false};
    std::atomic<long> visited_{0};
    std::atomic<long> total_{1};
    int scale_ = 1;
};

}  // namespace momentart
