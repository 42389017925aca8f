// Feeds every file of the given corpus folders to the harness it is linked
// with, as the fuzzer would, so the corpus guards against regressions in
// every ordinary build. An input that keeps a reader busy for more than a
// second of processor time counts as a hang.
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    constexpr double HangSeconds = 1.0;
    int replayed = 0;
    double slowest = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            const std::clock_t start = std::clock();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
            if (seconds > HangSeconds) {
                std::fprintf(stderr, "%s took %.2f s\n", qPrintable(file.fileName()), seconds);
                return 1;
            }
            slowest = std::max(slowest, seconds);
            ++replayed;
        }
    }
    std::printf("%d inputs replayed, the slowest in %.4f s\n", replayed, slowest);
    return replayed > 0 ? 0 : 1;  // an empty or missing corpus proves nothing
}
