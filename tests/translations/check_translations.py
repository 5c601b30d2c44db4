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
4. Access keys: an "&" of a translation comes before an ASCII letter or a
   second "&", never inside a word of the script, and a translation keeps the
   letter of its English text (written "(&L)" after the text), so the keys stay
   unique in a window or menu as they are in English.
5. Glossary: where an English term of glossary_LANG.tsv (beside LANG's .ts file)
   stands as a whole text, its translation is the glossary's word.

The Qt dialogs' own translations (given after --qt) are checked for 2 and 4.
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


ACCESS_KEY = re.compile(r'&([A-Za-z])')


def access_key(text):
    """The letter after a lone "&", upper case; None without one."""
    found = ACCESS_KEY.search((text or '').replace('&&', ''))
    return found.group(1).upper() if found else None


def access_key_problems(name, source, form):
    problems = []
    plain = (form or '').replace('&&', '')
    if re.search(r'&(?![A-Za-z])', plain):
        problems.append('%s: "%s" has "&" before a letter of the script or a sign in "%s"'
                        % (name, source, form))
    if access_key(form) and re.search(r'[^\x00-\x7f]', plain) and not re.search(r'\(&[A-Za-z]\)', plain):
        problems.append('%s: "%s" must write its access key as "(&L)" after the text in "%s"'
                        % (name, source, form))
    wanted = access_key(source)
    if wanted and access_key(form) != wanted:
        problems.append('%s: "%s" must keep its access key as "(&%s)" in "%s"'
                        % (name, source, wanted, form))
    return problems


def bare(text):
    """A text without its access key, its colon and the blanks around them."""
    text = re.sub(r'\s*\(&[A-Za-z]\)', '', text or '').replace('&&', '\0').replace('&', '')
    return text.replace('\0', '&').strip().rstrip(':').strip()


def glossary(ts):
    """English term (lower case) -> the word of ts's language, from glossary_LANG.tsv."""
    language = re.sub(r'^.*_([a-z]+)\.ts$', r'\1', ts)
    path = os.path.join(os.path.dirname(ts), 'glossary_%s.tsv' % language)
    words = {}
    with open(path, encoding='utf-8') as f:
        for line in f:
            if line.strip() and not line.startswith('#'):
                english, word = line.rstrip('\n').split('\t')
                words[english.strip().lower()] = word.strip()
    return words


def places(text):
    return sorted(set(re.findall(r'%[0-9n]', text or '')))


def main():
    lupdate, work = sys.argv[1], sys.argv[2]
    split = sys.argv.index('--')
    ts_files, sources = sys.argv[3:split], sys.argv[split + 1:]
    qt_files = []
    if '--qt' in sources:
        cut = sources.index('--qt')
        sources, qt_files = sources[:cut], sources[cut + 1:]
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
        words = glossary(ts)
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
                problems += access_key_problems(name, key[1], form)
                term = bare(key[1]).lower()
                if term in words and bare(form) != words[term]:
                    problems.append('%s: "%s" is "%s" in the glossary, not "%s"'
                                    % (name, key[1], words[term], bare(form)))

    for ts in qt_files:
        name = os.path.basename(ts)
        for key, message in entries(ts).items():
            translation = message.find('translation')
            forms = [f.text for f in translation.iter('numerusform')] if key[3] else [translation.text]
            if translation.get('type') == 'unfinished' or not all(forms):
                problems.append('%s: "%s" (%s) is not translated' % (name, key[1], key[0]))
                continue
            for form in forms:
                problems += access_key_problems(name, key[1], form)

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
