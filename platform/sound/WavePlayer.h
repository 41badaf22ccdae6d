#pragma once
#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

namespace platform {

// Plays and stops wave files. Without an audio device every call is a silent no-op.
class WavePlayer : public QObject {
public:
    explicit WavePlayer(QObject* parent = nullptr);
    void play(const QString& path, bool loop = false);
    void stop(const QString& path);
    bool isPlaying(const QString& path) const;

private:
    QSoundEffect* effect(const QString& path);
    QHash<QString, QSoundEffect*> effects_;
};

} // namespace platform
