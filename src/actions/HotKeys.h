// Access keys for a list of captions, so that every entry of a menu can be chosen by a key of its own.
#pragma once

#include <QStringList>

/*!
  Gives each caption an access key ("&" before a letter or digit) of its own:
  a caption keeps its key unless an earlier caption already uses it; one
  without a key, or with a taken one, gets the first free letter or digit of
  its text. Captions with nothing free stay without a key; "-" separators
  and empty captions are left alone. "&&" is a literal ampersand.
*/
QStringList AutoHotKeys(const QStringList &captions);

//! The access key of a caption (upper case), or a null QChar.
QChar HotKeyOf(const QString &caption);
//! The caption without its access-key marks ("&&" becomes "&").
QString StripHotKey(const QString &caption);
