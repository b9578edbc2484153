// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class CodeTable;
class Prompter;
class RandomSource;
class SoundEffects;
struct Settings;

// What the games use of the program: the settings of section "play" (the
// mole game lowers `P2MaxTime` in them), the code lists of the shooting game,
// random numbers, message boxes and the game sounds. All outlive the games.
struct GameServices
{
    Settings &settings;
    CodeTable &codeTable;
    RandomSource &random;
    Prompter &prompter;
    SoundEffects &soundEffects;
};
