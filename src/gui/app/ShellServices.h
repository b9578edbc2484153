// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

class HelpWindow;
class Prompter;
class UrlOpener;

// What the main window uses of the world outside it: message boxes, the web
// browser and mail program, and the help viewer. Tests hand in their own.
struct ShellServices
{
    Prompter &prompter;
    UrlOpener &urlOpener;
    HelpWindow &help;
};
