// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class FileChooser;
class HelpWindow;
class KeystrokeHistory;
class MidiOutput;
class MusicOutput;
class Prompter;
class SoundEffects;
class SoundOutput;
class SpeechEngine;
class UrlOpener;

// What the main window uses of the world outside it: message boxes, the web
// browser and mail program, the help viewer, the sound device with the key
// and game sounds, the speech engine, the background music player and the
// MIDI synthesizer. Tests hand in their own.
struct ShellServices
{
    Prompter &prompter;
    UrlOpener &urlOpener;
    HelpWindow &help;
    SoundOutput &soundOutput;
    SpeechEngine &speechEngine;
    SoundEffects &soundEffects;
    FileChooser &fileChooser;
    MusicOutput *music = nullptr; // none: the window stays without music
    MidiOutput *midi = nullptr;   // none: no keyboard music, "听" disabled
    KeystrokeHistory *keystrokeHistory = nullptr; // the user's; none: judged keys are not kept
};
