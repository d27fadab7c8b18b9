#include "game/form1.h"

#include "sound/cue_player.h"

#include <stdexcept>

// Writes the cue to the temporary file and starts it. The file is written only through the
// handle that created it: when its name no longer leads there (deleted, or replaced, perhaps
// by a link to somebody's file), a new one is claimed. Sound is best-effort: a failing step skips
// the rest of the cue, and the handler that asked for it goes on with its work.
void Form1::playcue(int id)
{
    try {
        if (!cueFile.stillOurs()) {
            cueFile.claim(cueFolders);
            wavfile = cueFile.path();
        }
        const std::string bytes = player.cueBytes(id);
        player.setLocation(""); // lets go of the file before it is rewritten
        cueFile.rewrite(bytes);
        player.setLocation(wavfile);
        player.play();
    } catch (const std::exception& e) {
        reportCueFailure(e.what());
    }
}

void Form1::zed() { playcue(103); }

// Removes the cue file, unless its name has come to stand for something else meanwhile.
void Form1::unload() { cueFile.remove(); }

void Form1::reportCueFailure(const std::string& what)
{
    if (reported.insert(what).second)
        errors << "gridora: sound: " << what << std::endl;
}
