#!/usr/bin/env python3
"""Turns kestrova-sim's request log into a curl config file that makes the same
requests (method and URL, in the same order) through the simulator as a proxy,
all in one curl process. Usage: curl_config.py SIM_LOG HOST:PORT > curl.conf"""
import sys


def quoted(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def main():
    log_path, proxy = sys.argv[1], sys.argv[2]
    blocks = []
    with open(log_path, encoding='latin-1') as log:
        for line in log:
            request = line.split(' -> ', 1)[0].split(' ')
            if len(request) != 3 or not request[1].startswith('http://'):
                continue
            method, url = request[0], request[1]
            block = ['url = ' + quoted(url), 'output = "/dev/null"', 'proxy = ' + quoted(proxy),
                     'http1.0', 'globoff', 'path-as-is', 'silent', 'show-error']
            if method == 'HEAD':
                block.append('head')
            elif method != 'GET':
                block.append('request = ' + quoted(method))
            blocks.append('\n'.join(block))
    if not blocks:
        sys.exit('curl_config.py: no requests in ' + log_path)
    print('\nnext\n'.join(blocks))


main()
