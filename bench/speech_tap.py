#!/usr/bin/python3
"""speech_tap.py LISTEN SERVER LOG: stands between Orca and speech-dispatcher (both Unix sockets,
Orca pointed at LISTEN by SPEECHD_ADDRESS) and writes each text Orca hands to speech to LOG as it
arrives, in the lines of Orca's debug file ("HH:MM:SS.ffffff - SPEECH OUTPUT: 'text'{}", a key's
echo with a blank before the brace). Orca can then be heard without its debug file, which costs
it time of its own for every event it takes."""
import asyncio
import datetime
import html
import re
import sys

listen, server, log_path = sys.argv[1:4]
log = open(log_path, "a", encoding="utf-8")


def said(text, echo):
    stamp = datetime.datetime.now().strftime("%H:%M:%S.%f")
    log.write(f"{stamp} - SPEECH OUTPUT: '{text}'{' ' if echo else ''}{{}}\n")
    log.flush()


def spoken(ssml):
    return html.unescape(re.sub(r"<[^>]*>", "", ssml))


async def relay_to_server(orca, speech):
    """Copies what Orca sends, reading the text of every SPEAK (ended by a line with a lone dot)
    and the key names of CHAR and KEY on the way."""
    text = None
    while line := await orca.readline():
        speech.write(line)
        content = line.decode("utf-8", "replace").rstrip("\r\n")
        command, _, argument = content.partition(" ")
        if text is not None:
            if content == ".":
                phrase = " ".join(text)
                said(phrase, echo=phrase.endswith(" "))  # a key's echo: its name and a blank
                text = None
            else:
                text.append(spoken(content[1:] if content.startswith("..") else content))
        elif content.upper() == "SPEAK":
            text = []
        elif command.upper() in ("CHAR", "KEY"):
            said(argument + " ", echo=True)
    speech.close()


async def relay_to_orca(speech, orca):
    while data := await speech.read(65536):
        orca.write(data)
    orca.close()


async def connection(orca_in, orca_out):
    speech_in, speech_out = await asyncio.open_unix_connection(server)
    await asyncio.gather(relay_to_server(orca_in, speech_out), relay_to_orca(speech_in, orca_out))


async def main():
    async with await asyncio.start_unix_server(connection, listen) as tap:
        await tap.serve_forever()


asyncio.run(main())
