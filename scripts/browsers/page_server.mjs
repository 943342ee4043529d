// The page's folder served on 127.0.0.1 for its tests and benchmark, gzipped as a host serves it,
// with what a test needs of a server: files held back until released, a next version with a file
// the server fails, nothing the browser may keep in its HTTP cache, and the page's own security
// policy repeated as a report-only header, so that the browser reports each violation here.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';

const TYPES = {
    '.html': 'text/html; charset=utf-8', '.css': 'text/css', '.js': 'text/javascript',
    '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

// The ports of this run's earlier servers. Each server takes a new one, so that its page has an
// origin of its own, where no earlier page's service worker answers from its copy.
const usedPorts = new Set();

export async function serve(folder) {
    const held = new Map();  // file name: the promise its requests wait for, and its release
    const server = {
        reports: [],  // the browser's reports of violations of the page's policy
        requested: [],  // the files asked for, in order
        // A next version: each script ends with `marker`, and `failing` answers 503.
        nextVersion: null,
        hold(file) {
            let release;
            held.set(file, { until: new Promise((resolve) => { release = resolve; }), release });
        },
        release(file) {
            held.get(file)?.release();
            held.delete(file);
        },
    };
    const http = createServer(async (request, response) => {
        const file = new URL(request.url, 'http://localhost').pathname.slice(1) || 'index.html';
        if (request.method === 'POST') {
            let body = '';
            for await (const chunk of request) body += chunk;
            server.reports.push(body);
            return response.writeHead(204).end();
        }
        server.requested.push(file);
        await held.get(file)?.until;
        const next = server.nextVersion;
        if (next?.failing === file) return response.writeHead(503).end();
        let content;
        try {
            content = await readFile(join(folder, file));
        } catch {
            return response.writeHead(404).end();
        }
        const headers = { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
            'Cache-Control': 'no-store' };
        if (file === 'index.html') {
            const policy = content.toString().match(/http-equiv="Content-Security-Policy" content="([^"]*)"/);
            headers['Content-Security-Policy-Report-Only'] = `${policy[1]}; report-uri /violations`;
        }
        if (next && extname(file) === '.js') content = Buffer.concat([content, Buffer.from(next.marker)]);
        if (/\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
            content = gzipSync(content, { level: 9 });
            headers['Content-Encoding'] = 'gzip';
        }
        response.writeHead(200, headers).end(content);
    });
    for (;;) {
        await new Promise((resolve) => http.listen(0, '127.0.0.1', resolve));
        if (!usedPorts.has(http.address().port)) break;
        await new Promise((resolve) => http.close(resolve));
    }
    usedPorts.add(http.address().port);
    server.url = `http://127.0.0.1:${http.address().port}/`;
    server.close = () => new Promise((resolve) => {
        for (const { release } of held.values()) release();
        http.close(resolve);
        http.closeAllConnections();
    });
    return server;
}
