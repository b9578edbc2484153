// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QString>

// The texts of the statistics bar, one field per label of the practice panel;
// the save dialog takes the figures from here as well.
struct ExerciseLabels
{
    QString Label5;            // caption beside the clock: "练习时间：" or "练习时间：(剩时)"
    QString Lab_time;          // exercise clock, "00:00:00"
    QString Lab_zishu;         // input count
    QString Lab_zhenquizishu;  // correct count
    QString Lab_chuowuzishu;   // wrong count
    QString Lab_zhengquilluei; // accuracy, "83.33%", or "0" before anything was typed
    QString Lab_zimefen;       // speed in characters per minute, "40"

    bool operator==(const ExerciseLabels &) const = default;
};
