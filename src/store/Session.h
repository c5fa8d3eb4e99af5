#pragma once

#include <QString>

// A named session through which every table is opened. Its password is stamped into each table file
// it creates and checked on every open: this keeps the program's files apart, it is not encryption.
class Session {
public:
    explicit Session(const QString& name) : name_(name) {}

    const QString& name() const { return name_; }
    void setActive(bool active) { active_ = active; }
    bool active() const { return active_; }

    void addPassword(const QString& password) { password_ = password; }
    bool hasPassword() const { return !password_.isEmpty(); }

    // The stamp a table file made under this session's password carries.
    int passwordStamp() const;

private:
    QString name_;
    QString password_;
    bool active_ = false;
};
