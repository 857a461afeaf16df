#include "ui/layer/Captions.h"

QString WithoutMnemonics(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i; // keep the marked letter only
        else if (caption[i] == '&')
            continue; // a lone trailing mark
        shown += caption[i];
    }
    return shown;
}

QString EscapeMnemonics(const QString& shown) {
    QString escaped = shown;
    return escaped.replace('&', "&&");
}
