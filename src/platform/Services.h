#pragma once

class AppFolder;
class Autostart;
class Clock;
class Connectivity;
class InstanceLock;
class MediaPlayer;
class Notifier;
class Prompter;
class SecretStore;
class SleepWatch;
class QNetworkAccessManager;
class SettingsStore;
class Shell;
class SoundPlayer;
class SystemClock;
class Tray;

// The desktop facilities a panel may use, built once by main() (or by a test fixture with
// doubles) and handed to every panel. Nothing reaches for a global.
struct Services
{
    Clock &clock;
    SettingsStore &settings;
    AppFolder &appFolder;
    SoundPlayer &sound;
    Prompter &prompter;
    Shell &shell;
    Connectivity &connectivity;
    Tray &tray;
    Autostart &autostart;
    InstanceLock &instanceLock;
    MediaPlayer &music;    // music and alarms
    MediaPlayer &voice;    // the talking clock, while music plays
    AppFolder &dataFolder; // what the program writes: databases, lists, favourites
    Notifier &notifier;
    SystemClock &systemClock;
    // The program's one network access: every online feature's requests go through it.
    QNetworkAccessManager &network;
    SecretStore &secrets; // the desktop keyring, for the mail password
    SleepWatch &sleep;    // the computer going to sleep and waking
};
