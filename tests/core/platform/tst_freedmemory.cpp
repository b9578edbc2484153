// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "core/platform/FreedMemory.h"

#include <QFile>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The process's resident memory in kB, from /proc; -1 where there is none.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

class tst_FreedMemory : public QObject
{
    Q_OBJECT

private slots:
    void freedHeapLeavesTheResidentMemory();
};

// Many small blocks freed below one that stays: the allocator cannot shrink
// the heap from its top, so only an explicit hand-back lowers the resident
// memory.
void tst_FreedMemory::freedHeapLeavesTheResidentMemory()
{
#if !defined(__GLIBC__)
    QSKIP("only the GNU C library hands free heap pages back on request");
#endif
    if (residentKb() < 0)
        QSKIP("no /proc/self/status here");
    constexpr int blockCount = 8000;
    constexpr std::size_t blockSize = 4000; // below the size that gets a mapping of its own
    std::vector<char *> blocks;
    blocks.reserve(blockCount);
    for (int i = 0; i < blockCount; ++i) {
        blocks.push_back(static_cast<char *>(std::malloc(blockSize)));
        std::memset(blocks.back(), 1, blockSize);
    }
    char *keepsTheTop = static_cast<char *>(std::malloc(blockSize));
    std::memset(keepsTheTop, 1, blockSize);
    for (char *block : blocks)
        std::free(block);

    const qint64 before = residentKb();
    FreedMemory::giveBack();
    const qint64 after = residentKb();
    std::free(keepsTheTop);
    // 32 MB were freed; most of it must leave.
    QVERIFY2(before - after > 20 * 1024, qPrintable(QStringLiteral("%1 kB before, %2 kB after").arg(before).arg(after)));
}

QTEST_GUILESS_MAIN(tst_FreedMemory)
#include "tst_freedmemory.moc"
