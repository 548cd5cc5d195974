#pragma once

#include <QString>
#include <memory>

// Speaks a reminder's text aloud. Where no voice or no audio output is available, nothing is
// spoken and the text is shown alone.
class Speaker {
public:
    virtual ~Speaker() = default;
    virtual bool available() const = 0;
    virtual void say(const QString& text) = 0;
};

// Qt TextToSpeech with its default engine (flite on Debian); unavailable when no engine or
// voice loads, and from the first failure to play on.
std::unique_ptr<Speaker> makeSystemSpeaker();
