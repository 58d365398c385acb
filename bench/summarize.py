#!/usr/bin/env python3
"""Prints the benchmark figures of one bench/run.sh run as Markdown tables:
medians with min-max over the repetitions, each beside its floor or peer and
the target. Usage: summarize.py WORK_DIR"""
import glob
import json
import os
import re
import statistics
import sys

work = sys.argv[1]


def spread(values, fmt='{:.1f}'):
    return (fmt.format(statistics.median(values)) + ' (' + fmt.format(min(values)) + '-' +
            fmt.format(max(values)) + ')')


def file_key(engine, size):
    return re.sub(r'[^A-Za-z0-9]', '', engine) + '-' + size + '.html'


def per_page():
    with open(os.path.join(work, 'pipeline.json')) as f:
        report = json.load(f)
    runs = {}
    for bench in report['benchmarks']:
        if bench.get('run_type') != 'iteration':
            continue
        kind, engine, size = bench['run_name'].split('/')[:3]
        scale = {'ns': 1e-3, 'us': 1.0, 'ms': 1e3}[bench['time_unit']]
        runs.setdefault((engine, size), {}).setdefault(kind, []).append(bench['real_time'] * scale)
        runs[(engine, size)]['bytes'] = int(bench['bytes'])
    peer = {}
    with open(os.path.join(work, 'cheerio.jsonl')) as f:
        for line in f:
            entry = json.loads(line)
            peer[entry['page']] = entry
    for size in sorted({s for _, s in runs}, key=lambda s: int(s[:-1])):
        print('### Per-page pipeline, ' + size + ' pages (microseconds, median (min-max))\n')
        print('| Engine | Bytes | Pipeline | memchr floor | x floor | cheerio | cheerio / ours |')
        print('|---|---:|---:|---:|---:|---:|---:|')
        worst, least_ratio = 0.0, None
        for (engine, s), kinds in runs.items():
            if s != size:
                continue
            ours = statistics.median(kinds['Pipeline'])
            floor = statistics.median(kinds['Floor'])
            other = peer.get(file_key(engine, size))
            ratio = other['median_us'] / ours if other else None
            worst = max(worst, ours)
            if ratio is not None:
                least_ratio = ratio if least_ratio is None else min(least_ratio, ratio)
            peer_text = ('{:.0f} ({:.0f}-{:.0f})'.format(other['median_us'], other['min_us'],
                                                         other['max_us']) if other else 'n/a')
            print('| {} | {} | {} | {} | {:.0f}x | {} | {} |'.format(
                engine, kinds['bytes'], spread(kinds['Pipeline']), spread(kinds['Floor'], '{:.2f}'),
                ours / floor, peer_text, '{:.0f}x'.format(ratio) if ratio else 'n/a'))
        print('\nSlowest engine median: {:.1f} us (target under 50 us for 32k pages); '
              'least cheerio ratio: {} (target at least 20x).\n'.format(
                  worst, '{:.0f}x'.format(least_ratio) if least_ratio else 'n/a'))


def cpu_seconds(path):
    text = open(path).read()
    user = float(re.search(r'User time \(seconds\): ([\d.]+)', text).group(1))
    system = float(re.search(r'System time \(seconds\): ([\d.]+)', text).group(1))
    return user + system


def time_v(path):
    text = open(path).read()
    clock = re.search(r'Elapsed \(wall clock\) time.*: (?:(\d+):)?(\d+):([\d.]+)', text)
    seconds = int(clock.group(1) or 0) * 3600 + int(clock.group(2)) * 60 + float(clock.group(3))
    rss = int(re.search(r'Maximum resident set size \(kbytes\): (\d+)', text).group(1))
    status = int(re.search(r'Exit status: (\d+)', text).group(1))
    return seconds, rss / 1024.0, status


def runs_of(pattern):
    return [time_v(p) for p in sorted(glob.glob(os.path.join(work, pattern)))]


def whole_run(name, title, curl_label, jobs_list):
    """One table per measurement: kestrova-cli with each jobs value, then curl."""
    log = open(os.path.join(work, name + '-requests.log'), encoding='latin-1').read().splitlines()
    requests = [line for line in log if ' -> ' in line]
    pages = [line for line in requests if re.search(r' -> 200 .* page \d+ "', line)]
    curl_log = os.path.join(work, name + '-curl-requests.log')
    curl_requests = 'n/a'
    if os.path.exists(curl_log):
        curl_requests = sum(1 for line in open(curl_log, encoding='latin-1') if ' -> ' in line)
    print('### Whole run: ' + title + '\n')
    print('{} requests, {} of them result pages; curl made {}.\n'.format(
        len(requests), len(pages), curl_requests))
    print('| Client | Wall time (s) | Result pages/s | Peak RSS (MB) | Exit |')
    print('|---|---:|---:|---:|---|')
    medians, peaks = {}, {}
    clients = [('j' + str(j), 'kestrova-cli rank --jobs ' + str(j),
                name + '-rank-j' + str(j) + '-*.time') for j in jobs_list]
    clients.append(('curl', curl_label, name + '-curl-*.time'))
    for key, label, pattern in clients:
        runs = runs_of(pattern)
        seconds = [r[0] for r in runs]
        rates = [len(pages) / max(t, 1e-3) for t in seconds]
        medians[key] = statistics.median(seconds)
        peaks[key] = max(r[1] for r in runs)
        print('| {} | {} | {} | {} | {} |'.format(label, spread(seconds, '{:.2f}'),
                                                  spread(rates, '{:.0f}'),
                                                  spread([r[1] for r in runs]),
                                                  ','.join(str(r[2]) for r in runs)))
    print()
    return medians, peaks


def whole_runs():
    medians, peaks = whole_run('plain', '34 engines x 3 keywords x depth 50, no latency',
                               'curl (one process, same requests)', [1, 8])
    print('--jobs 8 / --jobs 1 wall time: {:.2f}x (target at most 1x); --jobs 8 / curl: {:.2f}x; '
          'peak {:.1f} MB (target under 30 MB).\n'.format(
              medians['j8'] / medians['j1'], medians['j8'] / medians['curl'],
              max(peaks['j1'], peaks['j8'])))
    medians, peaks = whole_run('latency', '34 engines x 1 keyword x depth 30, 100 ms per page',
                               'curl --parallel --parallel-max 34 (same requests)', [1, 8, 34])
    print('--jobs 34 / curl wall time: {:.2f}x (target at most 1.5x); --jobs 1 / --jobs 34: '
          '{:.1f}x (target at least 15x); --jobs 1 / --jobs 8: {:.1f}x; peak {:.1f} MB.\n'.format(
              medians['j34'] / medians['curl'], medians['j1'] / medians['j34'],
              medians['j1'] / medians['j8'], max(peaks[k] for k in ('j1', 'j8', 'j34'))))


SPREADS = (('few', '964 keywords'), ('distinct', '32,767 keywords'))


def project_files():
    print('### Project files at the record limit (32,767 records, ten top URLs each)\n')
    print('| Keywords | Operation | Time (ms) | Peak RSS (MB) | File size (MB) |')
    print('|---|---|---:|---:|---:|')
    for spread_name, label in SPREADS:
        size = os.path.getsize(os.path.join(work, 'limit-' + spread_name + '.rnk')) / 1048576.0
        for mode, operation in (('write', 'WriteProjectFile'), ('read', 'ReadProjectFile')):
            name = 'project-' + mode + '-' + spread_name
            with open(os.path.join(work, name + '.json')) as f:
                result = json.loads(f.readline())
            _, rss, _ = time_v(os.path.join(work, name + '.time'))
            print('| {} | {} | {:.1f} ({:.1f}-{:.1f}) | {:.1f} | {:.1f} |'.format(
                label, operation, result['median_ms'], result['min_ms'], result['max_ms'], rss,
                size))
    print('\nTargets: each under 200 ms, peak under 100 MB.\n')

    print('### Whole processes on the same files: kestrova-cli info and show beside cat\n')
    print('| Keywords | Process | Wall time (ms) | x cat | CPU time (ms) | Peak RSS (MB) | Exit |')
    print('|---|---|---:|---:|---:|---:|---|')
    for spread_name, label in SPREADS:
        floor = None
        for process in ('cat', 'info', 'show', 'baseline-info', 'baseline-show'):
            stem = os.path.join(work, process + '-' + spread_name + '-')
            runs = [time_v(p) for p in sorted(glob.glob(stem + '*.time'))]
            if not runs:
                continue
            cpu = [cpu_seconds(p) * 1000 for p in sorted(glob.glob(stem + '*.time'))]
            ms = [int(open(p).read()) / 1e6 for p in sorted(glob.glob(stem + '*.ns'))]
            median = statistics.median(ms)
            if process == 'cat':
                floor = median
            ratio = '-' if process == 'cat' else '{:.1f}x'.format(median / floor)
            print('| {} | {} | {} | {} | {} | {} | {} |'.format(
                label, process, spread(ms, '{:.1f}'), ratio, spread(cpu, '{:.0f}'),
                spread([r[1] for r in runs]), ','.join(str(r[2]) for r in runs)))
    print('\nbaseline-: the same command of BASELINE_CLI. Targets: info and show under 200 ms for both, peak under 100 MB. Wall times are '
          'whole processes, start-up included, the file in the page cache; CPU time is user + system '
          'as GNU time counts it (hundredths of a second).\n')


if os.path.exists(os.path.join(work, 'pipeline.json')):
    per_page()
if os.path.exists(os.path.join(work, 'plain-requests.log')):
    whole_runs()
if os.path.exists(os.path.join(work, 'limit-few.rnk')):
    project_files()
