// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/protocol.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace vaeloric::net {

bool IsSeatCode(std::string_view text) {
    if (text.size() != kSeatCodeLength) return false;
    for (const char c : text)
        if (kSeatCodeAlphabet.find(c) == std::string_view::npos) return false;
    return true;
}

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
QString SquareText(TSquare square) {
    return Text(SquareName(square));
}

std::string Compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

// The fields of one decoded object, read against its schema. The first
// fault is kept; later reads then return defaults.
class TFields {
  public:
    TFields(const QJsonObject& object, const char* type) : object_(object), type_(type) {}

    bool HasExactly(std::initializer_list<const char*> names) {
        QStringList expected{QStringLiteral("type")};
        for (const char* name : names) expected << QString::fromLatin1(name);
        QStringList keys = object_.keys();
        expected.sort();
        keys.sort();
        if (keys == expected) return true;
        Fail(std::string("The '") + type_ + "' message has a missing or unexpected field.");
        return false;
    }
    long Integer(const char* name, long low, long high) {
        const QJsonValue value = object_.value(QLatin1String(name));
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || !std::isfinite(number) || number != std::floor(number) ||
            number < static_cast<double>(low) || number > static_cast<double>(high)) {
            Bad(name);
            return low;
        }
        return static_cast<long>(number);
    }
    bool Boolean(const char* name) {
        const QJsonValue value = object_.value(QLatin1String(name));
        if (!value.isBool()) Bad(name);
        return value.toBool();
    }
    std::string String(const char* name, std::size_t maxBytes) {
        const QJsonValue value = object_.value(QLatin1String(name));
        const std::string text = value.toString().toStdString();
        if (!value.isString() || text.size() > maxBytes) {
            Bad(name);
            return {};
        }
        return text;
    }
    TSquare Square(const char* name) {
        const std::string text = String(name, 2);
        TSquare square;
        // Upper case only: one spelling per square.
        if (!ParseSquareName(text, square) || SquareName(square) != text) Bad(name);
        return square;
    }
    const std::optional<std::string>& Problem() const { return problem_; }

  private:
    void Bad(const char* name) {
        Fail(std::string("The '") + type_ + "' message has a bad '" + name + "' field.");
    }
    void Fail(std::string sentence) {
        if (!problem_) problem_ = std::move(sentence);
    }
    const QJsonObject& object_;
    const char* type_;
    std::optional<std::string> problem_;
};

// The frame as a JSON object with a type; the problem otherwise.
std::variant<std::string, QJsonObject> ParseObject(std::string_view frame, QString& type) {
    if (frame.size() > kMaxMessageBytes)
        return "The message is larger than " + std::to_string(kMaxMessageBytes) + " bytes.";
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(frame.data(), static_cast<qsizetype>(frame.size())), &error);
    if (error.error != QJsonParseError::NoError)
        return std::string("The message is not valid JSON.");
    if (!document.isObject()) return std::string("The message is not a JSON object.");
    const QJsonObject object = document.object();
    const QJsonValue typeValue = object.value(QLatin1String("type"));
    if (!typeValue.isString()) return std::string("The message has no type.");
    type = typeValue.toString();
    return object;
}

template <typename T>
TDecoded<T> Refuse(std::string sentence) {
    return TDecoded<T>{std::variant<std::string, T>(std::in_place_index<0>, std::move(sentence))};
}

template <typename T, typename M>
TDecoded<T> Result(const TFields& fields, M message) {
    if (fields.Problem()) return Refuse<T>(*fields.Problem());
    return TDecoded<T>{std::variant<std::string, T>(std::in_place_index<1>, T(std::move(message)))};
}

}  // namespace

std::string EncodeMessage(const TGuestMessage& message) {
    QJsonObject o;
    if (const auto* hello = std::get_if<THello>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("hello");
        o[QStringLiteral("version")] = hello->version;
        o[QStringLiteral("seat")] = hello->seat;
        o[QStringLiteral("code")] = Text(hello->code);
    } else if (const auto* request = std::get_if<TThrowRequest>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("throw");
        o[QStringLiteral("turn")] = static_cast<double>(request->turn);
        o[QStringLiteral("face")] = request->face;
    } else if (const auto* drop = std::get_if<TDropRequest>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("drop");
        o[QStringLiteral("turn")] = static_cast<double>(drop->turn);
        o[QStringLiteral("from")] = SquareText(drop->from);
        o[QStringLiteral("to")] = SquareText(drop->to);
    } else if (const auto* heard = std::get_if<TEndHeard>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("ended");
        o[QStringLiteral("turns")] = static_cast<double>(heard->turns);
    }
    return Compact(o);
}

std::string EncodeMessage(const THostMessage& message) {
    QJsonObject o;
    if (const auto* welcome = std::get_if<TWelcome>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("welcome");
        o[QStringLiteral("seat")] = welcome->seat;
        o[QStringLiteral("army")] = welcome->army;
        o[QStringLiteral("turn")] = static_cast<double>(welcome->turn);
        o[QStringLiteral("game")] = Text(welcome->game);
        o[QStringLiteral("questioner")] = welcome->questioner;
    } else if (const auto* prompt = std::get_if<TPrompt>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("prompt");
        o[QStringLiteral("turn")] = static_cast<double>(prompt->turn);
        o[QStringLiteral("army")] = prompt->army;
        o[QStringLiteral("face")] = prompt->face;
    } else if (const auto* played = std::get_if<TTurnPlayed>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("played");
        o[QStringLiteral("turn")] = static_cast<double>(played->turn);
        o[QStringLiteral("army")] = played->army;
        o[QStringLiteral("face")] = played->face;
        o[QStringLiteral("missed")] = played->missed;
        // A missed turn has no move; its squares are written as A1.
        o[QStringLiteral("from")] = SquareText(played->missed ? TSquare{1, 1} : played->from);
        o[QStringLiteral("to")] = SquareText(played->missed ? TSquare{1, 1} : played->to);
    } else if (const auto* over = std::get_if<TGameOver>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("over");
        o[QStringLiteral("turns")] = static_cast<double>(over->turns);
        o[QStringLiteral("result")] = Text(over->result);
    } else if (const auto* refused = std::get_if<TRefused>(&message)) {
        o[QStringLiteral("type")] = QStringLiteral("refused");
        o[QStringLiteral("sentence")] = Text(refused->sentence.substr(0, kMaxSentenceBytes));
    }
    return Compact(o);
}

TDecoded<TGuestMessage> DecodeGuestMessage(std::string_view frame) {
    using T = TGuestMessage;
    QString type;
    auto parsed = ParseObject(frame, type);
    if (parsed.index() == 0) return Refuse<T>(std::get<0>(std::move(parsed)));
    const QJsonObject& object = std::get<1>(parsed);
    if (type == QLatin1String("hello")) {
        TFields f(object, "hello");
        THello m;
        if (f.HasExactly({"version", "seat", "code"})) {
            m.version = static_cast<int>(f.Integer("version", 1, 1000));
            m.seat = static_cast<int>(f.Integer("seat", 2, 4));
            m.code = f.String("code", kSeatCodeLength);
        }
        // The version is checked before the code, so that an old guest is told why.
        if (!f.Problem() && m.version != kProtocolVersion)
            return Refuse<T>("The guest speaks another version of the protocol.");
        if (!f.Problem() && !IsSeatCode(m.code))
            return Refuse<T>("The 'hello' message has a bad 'code' field.");
        return Result<T>(f, std::move(m));
    }
    if (type == QLatin1String("throw")) {
        TFields f(object, "throw");
        TThrowRequest m;
        if (f.HasExactly({"turn", "face"})) {
            m.turn = f.Integer("turn", 1, kMaxTurnNumber);
            m.face = static_cast<int>(f.Integer("face", 0, 6));
        }
        return Result<T>(f, m);
    }
    if (type == QLatin1String("drop")) {
        TFields f(object, "drop");
        TDropRequest m;
        if (f.HasExactly({"turn", "from", "to"})) {
            m.turn = f.Integer("turn", 1, kMaxTurnNumber);
            m.from = f.Square("from");
            m.to = f.Square("to");
        }
        return Result<T>(f, m);
    }
    if (type == QLatin1String("ended")) {
        TFields f(object, "ended");
        TEndHeard m;
        if (f.HasExactly({"turns"})) m.turns = f.Integer("turns", 0, kMaxTurnNumber);
        return Result<T>(f, m);
    }
    return Refuse<T>("The message's type is not one a guest sends.");
}

TDecoded<THostMessage> DecodeHostMessage(std::string_view frame) {
    using T = THostMessage;
    QString type;
    auto parsed = ParseObject(frame, type);
    if (parsed.index() == 0) return Refuse<T>(std::get<0>(std::move(parsed)));
    const QJsonObject& object = std::get<1>(parsed);
    if (type == QLatin1String("welcome")) {
        TFields f(object, "welcome");
        TWelcome m;
        if (f.HasExactly({"seat", "army", "turn", "game", "questioner"})) {
            m.seat = static_cast<int>(f.Integer("seat", 2, 4));
            m.army = static_cast<int>(f.Integer("army", 1, 4));
            m.turn = f.Integer("turn", 1, kMaxTurnNumber);
            m.game = f.String("game", kMaxGameTextBytes);
            m.questioner = static_cast<int>(f.Integer("questioner", 1, 8));
        }
        return Result<T>(f, std::move(m));
    }
    if (type == QLatin1String("prompt")) {
        TFields f(object, "prompt");
        TPrompt m;
        if (f.HasExactly({"turn", "army", "face"})) {
            m.turn = f.Integer("turn", 1, kMaxTurnNumber);
            m.army = static_cast<int>(f.Integer("army", 1, 4));
            m.face = static_cast<int>(f.Integer("face", 0, 6));
        }
        return Result<T>(f, m);
    }
    if (type == QLatin1String("played")) {
        TFields f(object, "played");
        TTurnPlayed m;
        if (f.HasExactly({"turn", "army", "face", "missed", "from", "to"})) {
            m.turn = f.Integer("turn", 1, kMaxTurnNumber);
            m.army = static_cast<int>(f.Integer("army", 1, 4));
            m.face = static_cast<int>(f.Integer("face", 0, 6));
            m.missed = f.Boolean("missed");
            m.from = f.Square("from");
            m.to = f.Square("to");
        }
        // A move needs a throw.
        if (!f.Problem() && !m.missed && m.face == 0)
            return Refuse<T>("The 'played' message has a bad 'face' field.");
        return Result<T>(f, m);
    }
    if (type == QLatin1String("over")) {
        TFields f(object, "over");
        TGameOver m;
        if (f.HasExactly({"turns", "result"})) {
            m.turns = f.Integer("turns", 0, kMaxTurnNumber);
            m.result = f.String("result", 10);
        }
        if (!f.Problem() && m.result != "win" && m.result != "lose" && m.result != "unfinished")
            return Refuse<T>("The 'over' message has a bad 'result' field.");
        return Result<T>(f, std::move(m));
    }
    if (type == QLatin1String("refused")) {
        TFields f(object, "refused");
        TRefused m;
        if (f.HasExactly({"sentence"})) m.sentence = f.String("sentence", kMaxSentenceBytes);
        return Result<T>(f, std::move(m));
    }
    return Refuse<T>("The message's type is not one a host sends.");
}

}  // namespace vaeloric::net
