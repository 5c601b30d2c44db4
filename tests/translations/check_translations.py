#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The translations against the sources.

  check_translations.py LUPDATE WORKDIR TS_FILE... -- SOURCE...

1. lupdate extracts every marked text of the sources into a scratch file; each
   .ts file must hold exactly that set (context, text, comment, plural or not):
   a text added, changed or dropped in the sources without the .ts files being
   brought up to date fails, naming the text.
2. Every entry of each .ts file is translated: no unfinished or empty entry,
   every plural form filled, the same %1.. places as the English text.
3. No window text is left unmarked: a literal of two or more words handed to
   QStringLiteral, QLatin1String or QString::from... is reported, apart from the
   few names below that are not translated.
"""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

# Names that stay as they are in every language: the program's name and
# version, and font families.
UNTRANSLATED = re.compile(r'^(Velnora v[0-9.]+|DejaVu Sans|MS Sans Serif)$')
LITERAL = re.compile(r'(?:QStringLiteral|QLatin1String|QString::fromLatin1|QString::fromUtf8)'
                     r'\(\s*"((?:[^"\\]|\\.)*)"')
WORDS = re.compile(r'[A-Za-z]{2,}[^"]*\s[^"]*[A-Za-z]{2,}')


def entries(path):
    """(context, source, comment, numerus) -> message element, without obsolete ones."""
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is not None and translation.get('type') in ('obsolete', 'vanished'):
                continue
            key = (name, message.findtext('source'), message.findtext('comment') or '',
                   message.get('numerus') == 'yes')
            found[key] = message
    return found


def places(text):
    return sorted(set(re.findall(r'%[0-9n]', text or '')))


def main():
    lupdate, work = sys.argv[1], sys.argv[2]
    split = sys.argv.index('--')
    ts_files, sources = sys.argv[3:split], sys.argv[split + 1:]
    problems = []

    scratch = os.path.join(work, 'extracted.ts')
    if os.path.exists(scratch):
        os.remove(scratch)
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    subprocess.run([lupdate, '-silent', '-I', root, '-locations', 'none', '-no-obsolete']
                   + sources + ['-ts', scratch], check=True)
    extracted = entries(scratch)
    if not extracted:
        problems.append('lupdate found no texts in the sources')

    for ts in ts_files:
        name = os.path.basename(ts)
        have = entries(ts)
        for key in sorted(set(extracted) - set(have), key=str):
            problems.append('%s lacks "%s" (%s): run the update_translations target' % (name, key[1], key[0]))
        for key in sorted(set(have) - set(extracted), key=str):
            problems.append('%s holds "%s" (%s), which the sources no longer have' % (name, key[1], key[0]))
        for key, message in have.items():
            translation = message.find('translation')
            forms = [f.text for f in translation.iter('numerusform')] if key[3] else [translation.text]
            if translation.get('type') == 'unfinished' or not all(forms):
                problems.append('%s: "%s" is not translated' % (name, key[1]))
                continue
            for form in forms:
                expected = [p for p in places(key[1]) if p != '%n' or key[3]]
                if places(form) != expected:
                    problems.append('%s: "%s" has places %s, its translation %s'
                                    % (name, key[1], expected, places(form)))

    for source in sources:
        with open(source, encoding='utf-8') as f:
            for number, line in enumerate(f, 1):
                if line.lstrip().startswith('//'):
                    continue
                for text in LITERAL.findall(line):
                    if WORDS.search(text) and not UNTRANSLATED.match(text):
                        problems.append('%s:%d: "%s" is shown without being marked for translation'
                                        % (os.path.relpath(source, root), number, text))

    for problem in problems:
        print(problem)
    print('%d texts extracted, %d problems' % (len(extracted), len(problems)))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
