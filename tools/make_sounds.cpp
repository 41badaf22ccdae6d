// Writes the short sounds the program ships with as 16-bit mono PCM wave files.
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Tone {
    double frequency; // Hz; 0 is silence
    double seconds;
};

std::vector<qint16> render(const std::vector<Tone>& tones, double volume) {
    std::vector<qint16> samples;
    for (const Tone& t : tones) {
        const int n = int(t.seconds * kRate);
        const int fade = std::min(n / 4, kRate / 200); // 5 ms ramps avoid clicks
        for (int i = 0; i < n; ++i) {
            double env = 1.0;
            if (i < fade)
                env = double(i) / fade;
            else if (i > n - fade)
                env = double(n - i) / fade;
            const double v = t.frequency > 0 ? std::sin(2 * M_PI * t.frequency * i / kRate) : 0.0;
            samples.push_back(qint16(v * env * volume * 32767));
        }
    }
    return samples;
}

void put32(QByteArray& b, quint32 v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}
void put16(QByteArray& b, quint16 v) {
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

bool writeWave(const QString& path, const std::vector<qint16>& samples) {
    QByteArray b;
    const quint32 dataBytes = quint32(samples.size() * 2);
    b.append("RIFF");
    put32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, kRate);
    put32(b, kRate * 2);
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, dataBytes);
    for (qint16 s : samples)
        put16(b, quint16(s));
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const struct {
        const char* name;
        std::vector<Tone> tones;
        double volume;
    } sounds[] = {
        {"Working", {{660, 0.06}, {0, 0.04}, {880, 0.06}, {0, 0.04}}, 0.35},
        {"OK", {{784, 0.12}, {1047, 0.25}}, 0.5},
        {"ShowDA", {{523, 0.1}, {659, 0.1}, {784, 0.2}}, 0.5},
        {"Warning", {{988, 0.15}, {0, 0.1}, {988, 0.15}}, 0.5},
        {"TimeUp", {{440, 0.6}}, 0.6},
        {"Up", {{523, 0.08}, {784, 0.12}}, 0.45},
        {"Down", {{784, 0.08}, {523, 0.12}}, 0.45},
    };
    for (const auto& s : sounds) {
        const QString path = folder + "/" + s.name + ".wav";
        if (!writeWave(path, render(s.tones, s.volume))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
