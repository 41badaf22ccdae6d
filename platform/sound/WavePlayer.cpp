#include "platform/sound/WavePlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}

QSoundEffect* WavePlayer::effect(const QString& path) {
    auto it = effects_.find(path);
    if (it != effects_.end()) return *it;
    // Effects are kept per file so a replay does not decode the file again.
    auto* e = new QSoundEffect(this);
    e->setSource(QUrl::fromLocalFile(path));
    effects_.insert(path, e);
    return e;
}

void WavePlayer::play(const QString& path, bool loop) {
    if (!QFileInfo::exists(path)) return;
    QSoundEffect* e = effect(path);
    e->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    e->play();
}

void WavePlayer::stop(const QString& path) {
    auto it = effects_.find(path);
    if (it != effects_.end()) (*it)->stop();
}

bool WavePlayer::isPlaying(const QString& path) const {
    auto it = effects_.find(path);
    return it != effects_.end() && (*it)->isPlaying();
}

} // namespace platform
