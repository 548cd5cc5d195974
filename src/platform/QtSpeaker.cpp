#include <QTextToSpeech>

#include "platform/Speaker.h"

namespace {

class QtSpeaker : public Speaker {
public:
    QtSpeaker() {
        if (QTextToSpeech::availableEngines().isEmpty()) return;
        m_engine = std::make_unique<QTextToSpeech>();
        QObject::connect(m_engine.get(), &QTextToSpeech::stateChanged, m_engine.get(),
                         [this](QTextToSpeech::State state) {
                             if (state == QTextToSpeech::Error) m_failed = true;
                         });
    }
    bool available() const override {
        return m_engine && !m_failed && m_engine->state() != QTextToSpeech::Error &&
               !m_engine->availableVoices().isEmpty();
    }
    void say(const QString& text) override {
        if (available()) m_engine->say(text);
    }

private:
    std::unique_ptr<QTextToSpeech> m_engine;
    bool m_failed = false;
};

}  // namespace

std::unique_ptr<Speaker> makeSystemSpeaker() {
    return std::make_unique<QtSpeaker>();
}
