#pragma once
// What the window benchmarks see from outside the players: whether a pane shows a picture (its
// pixels on the screen, not what a player says), and how long the process has run.

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace vemora::bench {

// More than a tenth of the pane's pixels (every fourth in both directions) lighter than black.
inline bool ShowsPicture(QWidget* pane) {
    QPoint origin = pane->mapToGlobal(QPoint(0, 0));
    QImage image = QGuiApplication::primaryScreen()
                       ->grabWindow(0, origin.x(), origin.y(), pane->width(), pane->height())
                       .toImage();
    if (image.isNull())
        return false;
    int lit = 0, total = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4, ++total)
            lit += qGray(image.pixel(x, y)) > 40;
    return total > 0 && lit * 10 > total;
}

// Milliseconds since the kernel started this process (its start time counts in ticks of 10 ms),
// so that loading the program's libraries is counted too; -1 when /proc cannot be read.
inline long long MsSinceProcessStart() {
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    if (!f)
        return -1;
    char text[1024] = {};
    const size_t n = std::fread(text, 1, sizeof text - 1, f);
    std::fclose(f);
    text[n] = '\0';
    // Field 22 (starttime) counts from the field after the command's closing parenthesis.
    const char* p = std::strrchr(text, ')');
    if (!p)
        return -1;
    unsigned long long start = 0;
    int field = 2;
    for (const char* c = p + 1; *c && field < 22; ++c)
        if (*c == ' ' && ++field == 22 && std::sscanf(c + 1, "%llu", &start) != 1)
            return -1;
    if (field != 22)
        return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const long long ticksPerSecond = sysconf(_SC_CLK_TCK);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000 -
           static_cast<long long>(start) * 1000 / ticksPerSecond;
}

} // namespace vemora::bench
