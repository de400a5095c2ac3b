# What the program says of itself, written here once: `troven --help` (shell/program/command_line_texts.h.in),
# the manual page troven(6) (data/manual/troven.6.in) and the Debian package (data/Packaging.cmake).
# Plain sentences: no backslashes, no double quotes, no line starting with a dot.
set(TROVEN_SUMMARY "single-player card game with a Japanese interface")
# Lines of at most 80 characters: the package's description keeps them as they are.
set(TROVEN_DESCRIPTION "\
Five cards of a shuffled deck lie face up in a hand row. Play one onto the pile
and its slot is refilled from the deck; after that only a card of the same suit
or rank as the card just played may follow. The score is how far through the
deck a game gets, and the best ten are kept in a ranking. A card tracker shows
which cards are still to come. The user interface is in Japanese.")
set(TROVEN_HELP_TEXT "Show this help and exit.")
set(TROVEN_VERSION_TEXT "Show the name and version of the program and exit.")
set(TROVEN_SCORE_FILE_TEXT
    "The ranking, the best ten scores, is read from and saved to score.dat in the current working directory.")
set(TROVEN_SOUND_FILES_TEXT
    "The sound of a card played is card.wav and the sound of a result that enters the ranking is wa.wav, both in the current working directory when they exist and can be played, the program's own otherwise. The game plays WAV files of uncompressed PCM samples of 8, 16 or 32 bits or of 32-bit floating-point samples, in one or two channels, at 1000 to 192000 samples a second, of at most 16 MiB; it passes over any other file of these names.")
set(TROVEN_SCORE_BACKUP_TEXT
    "A score.dat that is short or malformed, or not written exactly as this program writes it, is read as far as it can be, the default table filling the rest. The first time the ranking is then saved (a name entered, or the ranking window closed), the old file is first copied to score.dat.bak, replacing any older copy; once saved, score.dat is clean and is not copied again.")
set(TROVEN_LAUNCHER_TEXT
    "The desktop menu entry starts the game in $XDG_DATA_HOME/${TROVEN_APP_ID} (by default ~/.local/share/${TROVEN_APP_ID}), made when missing, so that the ranking stays there.")
set(TROVEN_WAYLAND_TEXT
    "On a Wayland desktop the game runs through XWayland, which keeps its fixed size, its title bar with a close box only and its place in the middle of the screen. Set QT_QPA_PLATFORM=wayland to run it on Wayland itself, or to any other Qt platform; the option -platform does the same.")
